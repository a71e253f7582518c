#!/usr/bin/env bash
# Sets up what is missing, builds the game into build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
tools/build.sh
exec build/tarvelo
