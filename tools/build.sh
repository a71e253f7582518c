#!/usr/bin/env bash
# Configures and builds the game, or the targets named: into build/, as a player runs it; with
# --bench into build-bench/, optimised and with the benchmarks; with --windows the Windows program,
# its tests and its start-up probes into build-win32/, cross-built with MinGW-w64, where
# TARVELO_WERROR=ON in the environment makes a warning fail it from then on (tools/test.sh sets
# it); with --web the engine and its tests as WebAssembly into build-web/, with Emscripten, for
# Node. The scripts here build through it.
#   tools/build.sh [--bench | --windows | --web] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
tree=(build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVELO_TESTS=OFF -DTARVELO_BENCH=OFF)
case ${1:-} in
--bench)
    tree=(build-bench -DCMAKE_BUILD_TYPE=Release -DTARVELO_TESTS=OFF -DTARVELO_BENCH=ON)
    shift
    ;;
--windows)
    # The toolchain file is read only when the tree is first made: no warning when it is not.
    tree=(build-win32 -DCMAKE_TOOLCHAIN_FILE=win32/mingw-w64.cmake --no-warn-unused-cli
        -DCMAKE_BUILD_TYPE=Release -DTARVELO_BENCH=ON ${TARVELO_WERROR:+-DTARVELO_WERROR=$TARVELO_WERROR})
    shift
    ;;
--web)
    tree=(build-web -DCMAKE_BUILD_TYPE=Release -DTARVELO_BENCH=OFF
        ${TARVELO_WERROR:+-DTARVELO_WERROR=$TARVELO_WERROR})
    configure=(emcmake cmake)
    # Debian's emcc finds its acorn module only where Debian's Node keeps it.
    export NODE_PATH=/usr/share/nodejs
    shift
    ;;
esac
"${configure[@]:-cmake}" -S . -B "${tree[@]}" >/dev/null
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build "${tree[0]}" "${targets[@]}" -j"$(nproc)"
