#!/usr/bin/env bash
# Builds optimised and runs every benchmark: the engine, the clock, start-up and memory against
# a bare window of the same shape (with one sound effect and without), and the cost of sitting
# still, without a sound server and with one; then tools/soundcheck.sh when PulseAudio is
# installed; then the Windows program's start-up, memory and idle cost under Wine
# (tools/winebench.sh). Takes about nine minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
tools/build.sh --bench >/dev/null
b=build-bench/bench
# A real X server when there is one to start, else Qt's offscreen platform.
run() { if command -v xvfb-run >/dev/null; then xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$@"; else QT_QPA_PLATFORM=offscreen "$@"; fi; }
export XDG_CONFIG_HOME=$(mktemp -d)

echo "== Engine (Google Benchmark, median of 9 repetitions)"
"$b/engine_bench" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true \
    --benchmark_display_aggregates_only=true 2>/dev/null | grep -E 'median|Benchmark|---'
echo
echo "== Clock (the real main window)"
run "$b/clock_bench" 2>/dev/null
echo
echo "== Start-up and memory (alternating runs)"
run "$b/startup_driver" 15 "$b/startup_tarvelo" "$b/startup_floor" "$b/startup_bare" 2>/dev/null
echo
echo "== Idle cost, sound on, no sound server"
run "$b/idle_bench" 2>/dev/null
# The same with a sound server running, and then every sound through it, when one can start.
if command -v pulseaudio >/dev/null; then
    source tools/sound/servers.sh
    export XDG_RUNTIME_DIR=$(mktemp -d)
    if startpulseaudio "$XDG_RUNTIME_DIR"; then
        echo
        echo "== Idle cost, sound on, with a PulseAudio server"
        run "$b/idle_bench" 2>/dev/null
        stopserver
    fi
    echo
    tools/soundcheck.sh "$PWD/build-bench"
fi
echo
echo "== The Windows program under Wine"
tools/winebench.sh
echo
echo "== The browser's program in headless Chromium"
tools/webbench.sh
