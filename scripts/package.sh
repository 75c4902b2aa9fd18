#!/usr/bin/env bash
# Builds the Debian package vardex_<version>_<arch>.deb with CPack and prints its path last.
# The build folder (default build-package) is one of its own: no tests, no benchmarks.
#
#   scripts/package.sh [BUILD_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
# CPack finds the package's dependencies with dpkg-shlibdeps, which reads the programs with file.
vardex_packages+=(dpkg-dev file)
vardex_ensure_packages

build=${1:-build-package}
jobs=$(nproc 2>/dev/null || echo 2)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARDEX_BUILD_TESTS=OFF \
    -DVARDEX_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
rm -f "$build"/vardex_*.deb
cmake --build "$build" --parallel "$jobs" --target package >&2
ls "$(pwd)/$build"/vardex_*.deb
