#!/usr/bin/env bash
# The browser's program in Debian's headless Chromium, served compressed from 127.0.0.1: from
# navigation to the first paint of the well beside a bare page with one canvas of its size and
# the game's windows as still HTML, in alternating runs; the bytes a first visit transfers; how
# often the page wakes and the CPU it takes while it sits still.
#   tools/webbench.sh [RUNS]    (tools/bench.sh runs it)
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh emscripten nodejs chromium $(command -v npm >/dev/null || echo npm)
tools/build.sh --web tarvelo_web >/dev/null
(cd tests/web && npm ci --no-audit --no-fund --loglevel=error)
node bench/web/webbench.mjs "${1:-15}"
