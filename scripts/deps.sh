#!/usr/bin/env bash
# Makes sure the Debian packages the build needs are present. Sourced by test.sh and run.sh.
# clang and its runtime libraries build the sanitizer pass and the libFuzzer targets; GNU parallel
# runs the user guide's recipe for runs side by side in a test.
vardex_packages=(cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev
    qt6-base-dev qt6-charts-dev libgl-dev parallel)

vardex_ensure_packages() {
    local missing=()
    local p
    for p in "${vardex_packages[@]}"; do
        dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages: ${missing[*]}" >&2
        echo "Install them with:" >&2
        echo "  sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]} ..."
    export DEBIAN_FRONTEND=noninteractive
    apt-get install -y "${missing[@]}" || { apt-get update && apt-get install -y "${missing[@]}"; }
}
