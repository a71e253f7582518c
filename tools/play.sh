#!/usr/bin/env bash
# Sets up what is missing, builds the game into build/ and starts it; with --web builds the
# browser's program into build-web/, serves it on 127.0.0.1 and opens it in the default browser
# (Ctrl+C stops the server).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = --web ]; then
    tools/setup.sh emscripten nodejs
    tools/build.sh --web tarvelo_web worker
    exec node tools/web/serve.mjs build-web --open
fi
tools/setup.sh
tools/build.sh
exec build/tarvelo
