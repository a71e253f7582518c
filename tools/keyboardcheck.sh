#!/usr/bin/env bash
# Plays the Linux program and the Windows program under Wine on a private X display with no
# window manager, so that the program and the system alone decide which window is active, and
# gives them keys only as the X server delivers them (XTEST): no click, no message sent to a
# window. Each of the windows a player opens over the main one (records, colours with its
# colour picker, keys, rules, about, game over with the records after it) is opened and closed
# by keys (one by a click where no window manager is there to take Alt+F4), and the very next
# arrow must move the pair, read from a picture of the screen.
#   tools/keyboardcheck.sh [--without linux,wine] [LINUXBUILD]
set -euo pipefail
cd "$(dirname "$0")/.."
without=
if [ "${1:-}" = --without ]; then
    without=$2
    shift 2
fi
linuxbuild=${1:-build-tests}
tools/setup.sh xvfb xauth xdotool x11-utils imagemagick python3 >/dev/null
source tools/desktop/xvfb.sh
export LC_ALL=C.UTF-8

work=$(mktemp -d)
pids=()
finish() {
    stopall
    rm -rf "$work"
}
trap finish EXIT

failures=0
report() { # passed (yes or no), what
    if [ "$1" = yes ]; then
        printf '  ok    %s\n' "$2"
    else
        printf '  FAIL  %s\n' "$2"
        failures=$((failures + 1))
    fi
}

key() { xdotool key --delay 120 "$@"; }
window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
waitwindow() { # title, present (yes or no)
    local _
    for _ in $(seq 60); do
        if [ -n "$(window "$1")" ] && [ "$2" = yes ]; then return 0; fi
        if [ -z "$(window "$1")" ] && [ "$2" = no ]; then return 0; fi
        sleep 0.1
    done
    return 1
}
# The columns of the balls in the well's top rows, where the pair stands: "2" for the first pair
# upright, "1" once it has moved left.
paircolumns() {
    import -window root "$work/shot.png"
    python3 tools/desktop/picture.py "$work/shot.png" | awk 'NR <= 6 {
        for (c = 1; c <= 6; c++) if (substr($0, c, 1) == "o") seen[c - 1] = 1 }
        END { for (c = 0; c < 6; c++) if (c in seen) printf "%d", c }'
}
# After a window has closed, one arrow must move the pair by one column at once.
movesnow() { # what was closed, arrow, expected column
    local _ seen
    key "$2"
    for _ in $(seq 10); do
        seen=$(paircolumns)
        [ "$seen" = "$3" ] && break
        sleep 0.2
    done
    report "$([ "$seen" = "$3" ] && echo yes || echo no)" \
        "$1, then $2: the pair in column $3 (seen: ${seen:-none})"
}
# Opens a window by keys, closes it by keys, and checks the arrows.
roundtrip() { # title, keys that open it, keys that close it, arrow, column
    key $2
    if ! waitwindow "$1" yes; then
        report no "\"$1\" did not open with $2"
        return
    fi
    if [[ $3 == click:* ]]; then # at x,y in the window's client area
        local at=${3#click:}
        xdotool mousemove --window "$(window "$1")" "${at%,*}" "${at#*,}" click 1
    else
        key $3
    fi
    if ! waitwindow "$1" no; then
        report no "\"$1\" did not close with $3"
        key Escape Escape
        return
    fi
    movesnow "\"$1\" closed with $3" "$4" "$5"
}

play() { # label, how the keys window closes, then the program's command
    local label=$1 keysclose=$2
    shift 2
    echo "$label"
    "$@" >"$work/game.log" 2>&1 &
    pids+=($!)
    if ! waitwindow Tarvelo yes; then
        report no "the main window did not appear"
        sed 's/^/        /' "$work/game.log" | tail -n 5
        return
    fi
    sleep 1
    # The keyboard is given once, at the start, as a window manager would give it.
    xdotool windowfocus --sync "$(window Tarvelo)" 2>/dev/null || true
    key F2
    sleep 0.3
    roundtrip "Десятка лучших результатов" ctrl+h Escape Left 1
    # Space on the first colour opens the colour picker; Esc closes it, then the colours.
    roundtrip "Цвета" "alt+Cyrillic_en Cyrillic_tse" "space Escape Escape" Right 2
    # With no window manager, Alt+F4 is a key like any other on X: there the mouse closes it.
    roundtrip "Клавиши" "alt+Cyrillic_en Cyrillic_ka" "$keysclose" Left 1
    roundtrip "Правила" "alt+Cyrillic_es Cyrillic_pe" Return Right 2
    roundtrip "О программе" "alt+Cyrillic_es Cyrillic_o" Escape Left 1
    # The game resumed and played out to its end: the record is entered under the name offered.
    key P
    local _
    for _ in $(seq 40); do
        [ -n "$(window GameOver)" ] && break
        key Down
        sleep 0.2
    done
    if ! waitwindow GameOver yes; then
        report no "no game over"
        return
    fi
    sleep 0.5 # keys pressed as the game ends are thrown away
    key Return
    if ! waitwindow "Десятка лучших результатов" yes; then
        report no "the records did not follow the game over"
        return
    fi
    key Escape
    waitwindow "Десятка лучших результатов" no || true
    key F2
    sleep 0.3
    movesnow "game over, record entered, records closed; F2" Left 1
    kill "${pids[-1]}" 2>/dev/null || true
}

startxvfb
if [[ ",$without," != *,linux,* ]]; then
    XDG_CONFIG_HOME=$work/config play "The Linux program, on X with no window manager" click:144,140 \
        env QT_QPA_PLATFORM=xcb "$linuxbuild/tarvelo"
fi
if [[ ",$without," != *,wine,* ]]; then
    # Wine draws its frames and decides activation itself, as Windows does.
    export WINEPREFIX=$PWD/build-win32/wine WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv="
    tools/wine.sh reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null
    tools/wine.sh reg delete 'HKCU\Software\Tarvelo' /f >/dev/null 2>&1 || true
    play "The Windows program, under Wine with no window manager" alt+F4 tools/wine.sh build-win32/tarvelo.exe
    tools/wine.sh reg delete 'HKCU\Software\Tarvelo' /f >/dev/null 2>&1 || true
fi
[ "$failures" -eq 0 ]
