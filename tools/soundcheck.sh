#!/usr/bin/env bash
# Plays the real game through a private sound server with a null sink, PulseAudio and then
# PipeWire's PulseAudio service where it can be started, records the sink's monitor and prints,
# for each of the five sounds: asked, heard, whole, and the onset from the ask (a key press sent
# to the game under Xvfb, or the game's own call for the sounds of a driven game) to the first
# audible sample at the monitor, median and worst. Beside it, in the same recording: paplay of
# the same files, and a bare program that only calls Qt's QSoundEffect::play() on a key press.
#   tools/soundcheck.sh [BUILD]   BUILD holds tarvelo and bench/, by default a fresh build-bench
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh pulseaudio pulseaudio-utils pipewire pipewire-pulse wireplumber dbus \
    xvfb xauth xdotool python3
source tools/sound/servers.sh
build=${1:-}
if [ -z "$build" ]; then
    build=build-bench
    tools/build.sh --bench tarvelo sound_driver bare_soundeffect >/dev/null
fi
build=$(cd "$build" && pwd)
sounds=$build/sounds
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill -- "-$pid" 2>/dev/null || true; done
    stopserver 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
cc -O2 -o "$work/record" tools/sound/record.c $(pkg-config --cflags --libs libpulse-simple)

export XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" && chmod 700 "$XDG_RUNTIME_DIR"
setsid Xvfb :57 -screen 0 1024x768x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=:57
sleep 1

now() { date +%s.%N; }

# Starts a program, waits for its window and gives it the keyboard.
focus() { # window name
    local id=
    for _ in $(seq 100); do
        id=$(xdotool search --name "^$1\$" 2>/dev/null | head -n1) && [ -n "$id" ] && break
        sleep 0.1
    done
    xdotool windowfocus --sync "$id"
}

# Presses a key n times, gap seconds apart, logging each press to file.
presses() { # key n gap name file
    for _ in $(seq "$2"); do
        echo "$(now) $4" >>"$5"
        xdotool key "$1"
        sleep "$3"
    done
}

# Runs a command that logs the sounds it asks for to $ASKS, one file per row.
row() { # name command
    ASKS=$work/asks-$1
    : >"$ASKS"
    "$2"
    sleep 1.5
}

game_keys() {
    rm -rf "$XDG_CONFIG_HOME/Tarvelo"
    "$build/tarvelo" >/dev/null 2>&1 &
    local game=$!
    focus Tarvelo
    sleep 2  # the sounds reach the server after the first paint
    xdotool key F2
    sleep 0.5
    presses Up 20 0.4 rotate "$ASKS"
    presses Down 5 0.8 drop "$ASKS"
    kill $game
}

game_driven() {
    QT_QPA_PLATFORM=offscreen "$build/bench/sound_driver" 2>/dev/null >>"$ASKS"
}

paplays() {
    for name in rotate drop got level gameover; do
        for _ in 1 2; do
            echo "$(now) $name" >>"$ASKS"
            paplay "$sounds/$name.wav"
            sleep 0.3
        done
    done
}

bare() {
    "$build/bench/bare_soundeffect" >/dev/null 2>&1 &
    local program=$!
    focus bare
    sleep 1
    presses Up 10 0.5 rotate "$ASKS"
    kill $program
}

# One recording of the sink's monitor for every row, so they are measured alike.
run_server() { # name
    echo "== $1"
    "$work/record" check.monitor "$work/rec.raw" >"$work/rec.start" &
    local recorder=$!
    sleep 0.5
    row keys game_keys
    row driven game_driven
    row paplay paplays
    row bare bare
    kill -TERM $recorder
    wait $recorder
    printf '%-22s %-9s %5s %5s %5s   %9s %9s\n' "" sound asked heard whole "onset med" worst
    local r
    for r in "keys:tarvelo, keys" "driven:tarvelo, driven game" "paplay:paplay" \
        "bare:bare QSoundEffect"; do
        python3 tools/sound/report.py "${r#*:}" "$work/rec.raw" "$work/rec.start" \
            "$work/asks-${r%%:*}" "$sounds"
    done
    echo
}

startpulseaudio "$work"
run_server "PulseAudio $(pulseaudio --version | awk '{print $2}'), null sink"
echo "(PulseAudio's null sink hands its monitor the mix up to its latency, some 10 ms, ahead of"
echo " its own clock, so onsets here read up to that much short: compare within the server.)"
echo
stopserver

if startpipewire "$work"; then
    run_server "PipeWire $(pipewire --version | awk '/libpipewire/ {print $4; exit}'), PulseAudio service, null sink"
    stopserver
else
    echo "== PipeWire: not installed, skipped"
fi
