#!/usr/bin/env bash
# Takes pictures of the real game's seven windows under Xvfb at 96 dots an inch: the main window
# idle, in play and paused, the records, colours, keys, rules and about windows, the game-over
# window with a record and the records after it. The Linux program's clock is frozen (faketime),
# so every run deals the same pairs and nothing falls: two runs of the same program give the same
# pictures. With --wine, the Windows program under Wine, its time of day frozen, so it deals the
# same pairs, while Wine's timers run: the game is paused as it starts, and the pictures are the
# same from run to run there too.
#   tools/pictures.sh [--wine] [--against DIR | --accept DIR] [BUILD]
# BUILD holds the program, by default build/ (build-win32/ with --wine), built first; the pictures
# go to BUILD/pictures/. With --against, each is compared with the one of the same name in DIR:
# any pixel that differs fails, and NAME-diff.png beside the new picture shows where, in red.
# With --accept, the pictures taken become DIR's, on purpose (tools/test.sh checks both programs'
# against tests/pictures/linux/ and tests/pictures/wine/).
set -euo pipefail
cd "$(dirname "$0")/.."

against=
accept=
build=
wine=
while [ $# -gt 0 ]; do
    case $1 in
    --against) against=$(cd "$2" && pwd) && shift 2 ;;
    --accept) accept=$(mkdir -p "$2" && cd "$2" && pwd) && shift 2 ;;
    --wine) wine=yes && shift ;;
    *) build=$1 && shift ;;
    esac
done
tools/setup.sh xvfb xauth xdotool x11-utils imagemagick faketime \
    ${wine:+g++-mingw-w64-x86-64-posix googletest wine wine64 fonts-wine}
if [ -z "$build" ]; then
    build=build${wine:+-win32}
    tools/build.sh ${wine:+--windows} tarvelo >/dev/null
fi
build=$(cd "$build" && pwd)
out=$build/pictures
rm -rf "$out" && mkdir -p "$out"
work=$(mktemp -d)
pids=()
source tools/desktop/xvfb.sh
cleanup() {
    stopall
    rm -rf "$work"
}
trap cleanup EXIT
startxvfb

# No animation: a blink waits on the clock, which stands still here.
if [ -n "$wine" ]; then
    key='HKCU\Software\Tarvelo\Options'
    tools/wine.sh reg delete 'HKCU\Software\Tarvelo' /f >/dev/null 2>&1 || true
    tools/wine.sh reg add "$key" /v Animation /t REG_SZ /d False /f >/dev/null
    tools/wine.sh reg add "$key" /v Sound /t REG_SZ /d False /f >/dev/null
    # Frames drawn by Wine, as Windows draws them, with no window manager to wait for.
    tools/wine.sh reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null
    # The time of day stands still, so every run deals the same pairs; Wine's timers run on.
    wineserver -k 2>/dev/null || true
    TZ=UTC FAKETIME="2026-12-08 12:00:00" DONT_FAKE_MONOTONIC=1 \
        LD_PRELOAD="$(dpkg -L libfaketime | grep -m1 '/libfaketime.so.1$')" \
        tools/wine.sh "$build/tarvelo.exe" >"$work/game.log" 2>&1 &
else
    mkdir -p "$work/config/Tarvelo"
    printf '[Options]\nAnimation=False\nSound=False\n' >"$work/config/Tarvelo/Tarvelo.conf"
    XDG_CONFIG_HOME=$work/config TZ=UTC FAKETIME="2026-12-08 12:00:00" \
        LD_PRELOAD="$(dpkg -L libfaketime | grep -m1 '/libfaketime.so.1$')" \
        ASAN_OPTIONS=verify_asan_link_order=0 \
        QT_QPA_PLATFORM=xcb "$build/tarvelo" >"$work/game.log" 2>&1 &
fi
pids+=($!)

window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
# Waits for a window and gives it the keyboard, which without a window manager nobody else does.
wait_window() { # title
    for _ in $(seq 100); do
        if [ -n "$(window "$1")" ]; then
            if [ -n "$wine" ]; then
                # Wine takes the keyboard from a click, here on the caption.
                local X Y WIDTH
                eval "$(xdotool getwindowgeometry --shell "$(window "$1")")"
                click $((X + WIDTH / 2)) $((Y + 10))
            else
                xdotool windowfocus --sync "$(window "$1")"
            fi
            return 0
        fi
        sleep 0.1
    done
    echo "no window \"$1\"" >&2
    return 1
}
shot() { # name
    sleep 0.5
    import -window root "$out/$1.png"
    echo "  $1"
}
key() { xdotool key --delay 100 "$@"; }
click() { xdotool mousemove "$1" "$2" click 1; }
# A menu's item, by their places: under Linux clicked at their places from the client area's
# corner; under Wine chosen with the keyboard, as F10 and the arrows do on Windows.
menu() { # menu, item (from 0), title x, item x, item y
    if [ -n "$wine" ]; then
        local moves=()
        for _ in $(seq "$1"); do moves+=(Right); done
        key F10 "${moves[@]}" Down
        for _ in $(seq "$2"); do key Down; done
        key Return
    else
        click "$3" 8
        sleep 0.4
        click "$4" $((18 + $5))
    fi
}
# Closes a window by a click on one of its buttons, given from the window's corner.
button() { # title, x, y
    local X Y
    eval "$(xdotool getwindowgeometry --shell "$(window "$1")")"
    click $((X + $2)) $((Y + $3))
}

wait_window Tarvelo
echo "Pictures:"
shot 01-main-idle
if [ -n "$wine" ]; then
    # Wine's timers run: paused before the first tick, the pair stands where the keys put it.
    key F2 p Left Up
else
    key F2 Left Up
fi
shot 02-main-play
key p
shot 03-main-paused

key ctrl+h
wait_window "Десятка лучших результатов"
shot 04-records
key Escape

wait_window Tarvelo
menu 2 2 173 183 52 # Настройки, Цвета
wait_window Цвета
shot 05-colours
key Escape

wait_window Tarvelo
menu 2 3 173 183 73 # Настройки, Клавиши
wait_window Клавиши
shot 06-keys
if [ -n "$wine" ]; then key alt+F4; else button Клавиши 144 140; fi # Отмена

wait_window Tarvelo
menu 3 0 243 253 10 # Справка, Правила
wait_window Правила
shot 07-rules
key Escape

wait_window Tarvelo
menu 3 1 243 253 32 # Справка, О программе
wait_window "О программе"
shot 08-about
key Escape

# Pairs dropped in the middle until the game ends; every result enters an empty list.
wait_window Tarvelo
key F2
for _ in $(seq 30); do
    [ -n "$(window GameOver)" ] && break
    key Down
done
wait_window GameOver
shot 09-gameover
if [ -n "$wine" ]; then
    sleep 0.5  # keys wait a moment after a game ends
    key Return
else
    button GameOver 124 148 # Ok: keys wait a moment after a game ends, and the clock stands still
fi
wait_window "Десятка лучших результатов"
shot 10-records-after

if [ -n "$against" ]; then
    echo "Against $against:"
    differ=0
    for picture in "$out"/*.png; do
        name=${picture##*/}
        if [ ! -e "$against/$name" ]; then
            echo "  ${name%.png}: no reference"
            differ=$((differ + 1))
            continue
        fi
        pixels=$(compare -metric AE "$picture" "$against/$name" null: 2>&1 || true)
        echo "  ${name%.png}: $pixels pixels differ"
        if [ "$pixels" != 0 ]; then
            differ=$((differ + 1))
            compare "$against/$name" "$picture" "$out/${name%.png}-diff.png" 2>/dev/null || true
        fi
    done
    if [ "$differ" -gt 0 ]; then
        echo "$differ picture(s) differ: the new ones and their differences in red are in $out;"
        echo "tools/pictures.sh --accept $against ${build#"$PWD"/} takes them on purpose"
        exit 1
    fi
    echo "Every picture is the same."
fi
if [ -n "$accept" ]; then
    for picture in "$out"/*.png; do
        [[ $picture == *-diff.png ]] || cp "$picture" "$accept/"
    done
    echo "Taken as the references in $accept."
fi
