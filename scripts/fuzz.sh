#!/usr/bin/env bash
# Runs every fuzz target for SECONDS seconds (default 60), one after the other at low priority.
# New inputs go to build-fuzz/fuzz-corpus/<target>; a crash, hang, leak or sanitizer report is
# written to build-fuzz/fuzz-findings/ and ends the script with a failure. Copy each finding into
# tests/fuzz/corpus/<target>/ together with its fix. Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
vardex_ensure_packages

seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(configuration materials section profile model runfile
    timeseries crosssection sounding tempfile recordingindex runsetup summary histories
    progresslog)

cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVARDEX_SANITIZE=ON -DVARDEX_FUZZ=ON -DVARDEX_BUILD_GUI=OFF -DVARDEX_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --parallel "$(nproc 2>/dev/null || echo 2)" \
    --target "${targets[@]/#/fuzz_}"

findings=$PWD/build-fuzz/fuzz-findings
mkdir -p "$findings"
# Each input is written to a file and read back, as the program reads it: on a memory file system
# that is some twenty times faster than on a disk.
worktmp=${TMPDIR:-/tmp}
[ -d /dev/shm ] && [ -w /dev/shm ] && worktmp=/dev/shm
failed=()
for t in "${targets[@]}"; do
    # Absolute paths: the targets work in a folder of their own.
    corpus=$PWD/build-fuzz/fuzz-corpus/$t
    mkdir -p "$corpus"
    log=$findings/$t.log
    echo "== $t: $seconds s"
    if TMPDIR=$worktmp nice -n 10 "build-fuzz/tests/fuzz/fuzz_$t" "$corpus" "$PWD/tests/fuzz/corpus/$t" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
        -artifact_prefix="$findings/$t-" -print_final_stats=1 >"$log" 2>&1; then
        grep -E "^stat::number_of_executed_units" "$log" | sed "s/^/   $t /"
    else
        echo "   $t FOUND A PROBLEM: see $log and $findings/$t-*"
        failed+=("$t")
    fi
done
[ ${#failed[@]} -eq 0 ] || { echo "Findings in: ${failed[*]}"; exit 1; }
echo "No findings."
