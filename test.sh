#!/usr/bin/env bash
# Builds everything with GCC and runs every test; then builds the core, the solver and the fuzz
# targets with clang under AddressSanitizer + UndefinedBehaviorSanitizer and runs those tests
# again, each fuzz target over its stored corpus. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
vardex_ensure_packages

jobs=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$jobs"
ctest --test-dir build --output-on-failure --parallel "$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
    -DVARDEX_SANITIZE=ON -DVARDEX_FUZZ=ON -DVARDEX_BUILD_GUI=OFF -DVARDEX_BUILD_BENCH=OFF
cmake --build build-asan --parallel "$jobs"
ctest --test-dir build-asan --output-on-failure --parallel "$jobs"

echo "All tests passed."
