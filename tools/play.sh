#!/usr/bin/env bash
# Sets up what is missing, builds the game into build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVELO_TESTS=OFF -DTARVELO_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)"
exec build/tarvelo
