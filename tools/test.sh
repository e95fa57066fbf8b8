#!/usr/bin/env bash
# Builds Vantix and runs the whole test suite headless: once as it is, once under the address
# and undefined-behaviour sanitizers, then fuzzes the reading of the high-score file.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVANTIX_SANITIZE=ON -DVANTIX_BENCH=OFF
cmake --build build-asan -j"$jobs"
ctest --test-dir build-asan --output-on-failure -j"$jobs"

# The reading of scores.dat under the fuzzer, for about a minute.
bash tools/fuzz.sh
