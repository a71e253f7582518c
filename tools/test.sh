#!/usr/bin/env bash
# Sets up what is missing, builds everything with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-tests/ and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
# The sound output is tested against a private PulseAudio server.
tools/setup.sh pulseaudio pulseaudio-utils
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=Debug -DTARVELO_SANITIZE=ON -DTARVELO_BENCH=ON >/dev/null
cmake --build build-tests -j"$(nproc)"
cd build-tests
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
