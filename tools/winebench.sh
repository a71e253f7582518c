#!/usr/bin/env bash
# The Windows program under Wine, on a private X display: start-up (exec to first paint) and peak
# memory beside a bare Win32 window of the same size with the same menu bar, with and without the
# system libraries the game links (the colour picker's and the sounds'), in alternating runs;
# then the CPU the running program takes while it sits still, before a game and paused.
#   tools/winebench.sh [RUNS]    (tools/bench.sh runs it)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
tools/setup.sh g++-mingw-w64-x86-64-posix googletest wine wine64 fonts-wine xvfb xauth xdotool \
    x11-utils
tools/build.sh --bench startup_driver >/dev/null
tools/build.sh --windows tarvelo startup_tarvelo startup_floor startup_bare >/dev/null

export WINEPREFIX=$PWD/build-win32/wine
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv="  # no sound card here
pids=()
source tools/desktop/xvfb.sh
trap stopall EXIT
startxvfb
# Wine's own server and services stay up between runs, as they do for a player's second program.
wineserver -k 2>/dev/null || true
wineserver -p
tools/wine.sh reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null

echo "Start-up and memory under Wine (alternating runs, Wine's start included in every one):"
build-bench/bench/startup_driver --launcher tools/wine.sh "$runs" \
    build-win32/bench/startup_{tarvelo,floor,bare}.exe

# CPU ticks (1/100 s) a process has used so far.
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
idle() { # what
    local before server
    before=$(ticks "$game")
    server=$(ticks "$(pgrep -n wineserver)")
    sleep 10
    echo "  $1: $(($(ticks "$game") - before)) ticks in 10 s," \
        "Wine's server $(($(ticks "$(pgrep -n wineserver)") - server))"
}
echo "CPU while the program sits still (sound on):"
tools/wine.sh reg add 'HKCU\Software\Tarvelo\Options' /v Sound /t REG_SZ /d True /f >/dev/null
tools/wine.sh build-win32/tarvelo.exe >/dev/null 2>&1 &
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Tarvelo$' 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
game=$(pgrep -n -f 'tarvelo.exe')
sleep 2  # the sounds load after the first paint
idle "before a game"
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + 10)) click 1
sleep 0.5
xdotool key F2 p
sleep 1
idle "a game paused"
