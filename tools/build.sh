#!/usr/bin/env bash
# Configures and builds the game, or the targets named: into build/, as a player runs it, or with
# --bench into build-bench/, optimised and with the benchmarks. The scripts here build through it.
#   tools/build.sh [--bench] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
tree=(build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVELO_TESTS=OFF -DTARVELO_BENCH=OFF)
if [ "${1:-}" = --bench ]; then
    tree=(build-bench -DCMAKE_BUILD_TYPE=Release -DTARVELO_TESTS=OFF -DTARVELO_BENCH=ON)
    shift
fi
cmake -S . -B "${tree[@]}" >/dev/null
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build "${tree[0]}" "${targets[@]}" -j"$(nproc)"
