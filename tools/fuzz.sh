#!/usr/bin/env bash
# Builds the engine's libFuzzer target with clang and fuzzes it: arbitrary settings files and
# input sequences, checked against the game's rules. Usage: tools/fuzz.sh [seconds, default 300]
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVELO_FUZZ=ON \
    -DTARVELO_TESTS=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_engine
mkdir -p build-fuzz/corpus
printf '[Options]\nSound=True\nLevel=3\n[Keys]\nLeft=37\nDrop=40\n[Colors]\n1=255\n' \
    > build-fuzz/corpus/settings-seed
build-fuzz/tests/fuzz/fuzz_engine build-fuzz/corpus -max_total_time="${1:-300}" -print_final_stats=1
