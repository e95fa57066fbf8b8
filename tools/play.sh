#!/usr/bin/env bash
# Builds Vantix and starts it on the front screen, in the working folder that holds its sounds,
# its help file and its high scores (build/data).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVANTIX_TESTS=OFF -DVANTIX_BENCH=OFF
cmake --build build -j"$(nproc)" --target vantix
cd build/data
exec ../vantix
