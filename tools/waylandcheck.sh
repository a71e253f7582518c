#!/usr/bin/env bash
# Plays the real game natively under Wayland: a headless sway, keys from wtype (a virtual
# keyboard with a keymap of its own, as input tools and remote desktops have), then, with the
# compositor's layout set to Russian, from a keyboard with that layout's keymap (tools/wayland/
# presskeys.c), so a key sends its place; last, the compositor closes the window while a group
# blinks. Reads the well from grim pictures, prints what it saw and fails if any step goes wrong.
# The pictures stay in build/waylandcheck/.
#   tools/waylandcheck.sh [BUILD]   BUILD holds tarvelo and sounds/, by default build/
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh sway wtype grim imagemagick python3 pkg-config libwayland-dev libxkbcommon-dev \
    faketime
build=${1:-}
if [ -z "$build" ]; then
    build=build
    tools/build.sh tarvelo >/dev/null
fi

out=$PWD/build/waylandcheck
rm -rf "$out" && mkdir -p "$out"
work=$(mktemp -d)
sway_pid=
cleanup() {
    [ -z "$sway_pid" ] || pkill -f "sway -c $work/sway.conf" || true
    rm -rf "$work"
}
trap cleanup EXIT

# The game and the keyboard are copied out, so that an unprivileged user can reach them.
mkdir -p "$work/run" "$work/home" "$work/game"
cp -r "$build/tarvelo" "$build/sounds" "$work/game/"
proto=tools/wayland/virtual-keyboard-unstable-v1.xml
wayland-scanner client-header "$proto" "$work/virtual-keyboard-unstable-v1-client-protocol.h"
wayland-scanner private-code "$proto" "$work/virtual-keyboard.c"
cc -O2 -I"$work" -o "$work/presskeys" tools/wayland/presskeys.c "$work/virtual-keyboard.c" \
    $(pkg-config --cflags --libs wayland-client xkbcommon)
chmod 700 "$work/run"
chmod 755 "$work"

cat >"$work/sway.conf" <<'EOF'
xwayland disable
output HEADLESS-1 resolution 1024x768 position 0 0
for_window [app_id="org.example.tarvelo"] floating enable
EOF

# sway refuses to run as root.
as=()
if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody "$work"
    as=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)  # execs: $! is the program
fi
environment=(HOME="$work/home" XDG_RUNTIME_DIR="$work/run" LANG=C.UTF-8 PATH=/usr/bin:/bin)
run() { "${as[@]}" env -i "${environment[@]}" "$@"; }
# The same in the background, the program's own process id in $game.
start() {
    "${as[@]}" env -i "${environment[@]}" "$@" &
    game=$!
}

run WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman WLR_HEADLESS_OUTPUTS=1 \
    sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
sway_pid=$!
for _ in $(seq 50); do
    socket=$(ls "$work/run" 2>/dev/null | grep -E '^wayland-[0-9]+$' | head -n1 || true)
    ipc=$(ls "$work/run"/sway-ipc.*.sock 2>/dev/null | head -n1 || true)
    [ -n "$socket" ] && [ -n "$ipc" ] && break
    sleep 0.1
done
[ -n "$socket" ] || { cat "$work/sway.log"; echo "sway did not start"; exit 1; }
environment+=(WAYLAND_DISPLAY="$socket" SWAYSOCK="$ipc")

failures=0
step() { # name, whether it passed
    if [ "$2" = yes ]; then echo "  ok    $1"; else echo "  FAIL  $1"; failures=$((failures + 1)); fi
}

# Keys by the game's names: wtype by key symbol, presskeys by the key's place on the keyboard.
keys() {
    local layout=$1 name args=()
    shift
    if [ "$layout" = wtype ]; then
        args=(-s 200)
        for name in "$@"; do args+=(-k "$name" -s 120); done
        run wtype "${args[@]}"
    else
        args=(200)
        for name in "$@"; do
            case $name in
            F2) args+=(FK02) ;; Left) args+=(LEFT) ;; Right) args+=(RGHT) ;; Up) args+=(UP) ;;
            Down) args+=(DOWN) ;; p) args+=(AD10) ;;
            esac
            args+=(120)
        done
        run "$work/presskeys" "$layout" "${args[@]}"
    fi
}

picture() { # name: takes a picture and prints the well
    run grim "$work/$1.png"
    cp "$work/$1.png" "$out/"
    python3 tools/desktop/picture.py "$out/$1.png"
}

# The occupied cells of rows first..last, as "column,row" words.
cells() {
    awk -v first="$2" -v last="$3" 'NR - 1 >= first && NR - 1 <= last && NR <= 15 {
        for (c = 1; c <= 6; c++) if (substr($0, c, 1) == "o") printf "%d,%d ", c - 1, NR - 1 }' <<<"$1"
}

# Starts the game with a store of its own and the variables given, waits for its window and
# gives it the keyboard; its process id in $game.
launch() { # name, variables
    local config="$work/config-$1"
    mkdir -p "$config"
    [ -z "${as[*]}" ] || chown nobody "$config"
    start XDG_CONFIG_HOME="$config" QT_QPA_PLATFORM=wayland "${@:2}" "$work/game/tarvelo" \
        >"$work/game-$1.log" 2>&1
    for _ in $(seq 100); do
        grep -q '"app_id": "org.example.tarvelo"' <<<"$(run swaymsg -t get_tree)" && break
        sleep 0.1
    done
    sleep 1
    run swaymsg '[app_id="org.example.tarvelo"] focus' >/dev/null
}

round() { # label, name, keyboard (wtype or an XKB layout)
    local label=$1 name=$2 keyboard=$3 well before after
    echo "$label"
    local game
    launch "$name"

    keys "$keyboard" F2 Left Left Down
    sleep 0.3
    well=$(picture "$name-1-left")
    step "F2, Left, Left, Down: the pair lands in the first column ($(cells "$well" 13 14))" \
        "$([ "$(cells "$well" 13 14)" = "0,13 0,14 " ] && echo yes || echo no)"

    keys "$keyboard" Right Right Right Down
    sleep 0.3
    well=$(picture "$name-2-right")
    step "Right x3, Down: the next one in the last column ($(cells "$well" 13 14))" \
        "$([ "$(cells "$well" 13 14)" = "0,13 5,13 0,14 5,14 " ] && echo yes || echo no)"

    before=$(cells "$(picture "$name-3-before-up")" 0 11)
    keys "$keyboard" Up
    after=$(cells "$(picture "$name-3-up")" 0 11)
    # Upright: one column, two rows; turned: one row, two columns.
    local turned
    turned=$(awk -v b="$before" -v a="$after" 'BEGIN {
        nb = split(b, B, "[ ,]"); na = split(a, A, "[ ,]")
        print (B[1] == B[3] && B[2] + 1 == B[4] && A[2] == A[4] && A[1] + 1 == A[3]) ? "yes" : "no" }')
    step "Up turns the pair (from $before to $after)" "$turned"

    keys "$keyboard" p
    sleep 0.2
    well=$(picture "$name-4-paused")
    sleep 1
    local still
    still=$(picture "$name-5-paused-later")
    step "P pauses: \"Продолжить\" $(grep '^button' <<<"$well" | cut -d' ' -f2), nothing falls for a second" \
        "$(grep -qx 'button shown' <<<"$well" && [ "$well" = "$still" ] && echo yes || echo no)"

    step "The counters are light yellow cells" \
        "$(grep -qx 'counters yellow' <<<"$well" && echo yes || echo no)"

    if [ "$keyboard" = wtype ]; then
        run wtype -s 200 -M ctrl -k h -m ctrl -s 500
        picture "$name-6-records" >/dev/null
        step "Ctrl+H opens the records window" "$(grep -q '"name": "Десятка лучших результатов"' \
            <<<"$(run swaymsg -t get_tree)" && echo yes || echo no)"
    fi
    kill "$game" 2>/dev/null || true
    wait "$game" 2>/dev/null || true
}

round "Keys from wtype, a virtual keyboard with its own key codes; the compositor's title bar:" \
    ssd wtype
run swaymsg 'for_window [app_id="org.example.tarvelo"] border csd' >/dev/null
round "The same with Qt's own title bar, as where the compositor draws none (GNOME):" csd wtype
run swaymsg 'for_window [app_id="org.example.tarvelo"] border normal' >/dev/null
run swaymsg input '*' xkb_layout ru >/dev/null
round "Compositor's layout Russian (xkb_layout ru), keys from a keyboard with that keymap, so P is the key that types З:" \
    ru ru

# The compositor's close (its close button, or Alt+F4) while a group blinks waits for the landing,
# as keys do: then the record is offered and the game stands still behind it. With the clock frozen
# at 12:00:56 the game's first two pairs are all of one colour, so two drops make a group.
echo "The compositor closes the window while a group blinks:"
launch close TZ=UTC FAKETIME="2026-12-08 12:00:56" DONT_FAKE_MONOTONIC=1 \
    LD_PRELOAD="$(dpkg -L libfaketime | grep -m1 '/libfaketime.so.1$')"
run wtype -s 200 -k F2 -s 200 -k Down -s 200 -k Down
run swaymsg '[title="^Tarvelo$"] kill' >/dev/null
picture close-1-blinking >/dev/null || true
prompt=no
for _ in $(seq 30); do
    grep -q '"name": "GameOver"' <<<"$(run swaymsg -t get_tree)" && prompt=yes && break
    sleep 0.1
done
step "the game-over window asks for the name" "$prompt"
# The name box blinks its cursor; on the button nothing but a running game wakes the program.
run wtype -s 300 -k Tab -s 1000
# The program's own thread: the clock runs on it; the compositor's events have a thread of theirs.
wakeups() {
    awk '/^voluntary_ctxt_switches/ { print $2 }' /proc/"$game"/status 2>/dev/null || echo 0
}
before=$(wakeups)
sleep 4
woke=$(($(wakeups) - before))
picture close-2-prompt >/dev/null || true
# A running game wakes it every 400 ms, ten times in 4 s; the window system now and then.
step "the game stands still behind it (the program woke $woke times in 4 s)" \
    "$([ "$woke" -le 5 ] && echo yes || echo no)"
kill "$game" 2>/dev/null || true
wait "$game" 2>/dev/null || true

echo "Pictures: $out"
if [ "$failures" -gt 0 ]; then
    echo "$failures step(s) failed"
    exit 1
fi
echo "Every step passed."
