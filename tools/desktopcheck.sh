#!/usr/bin/env bash
# Plays the real game on the desktops Linux players use, each headless: GNOME 43 under Wayland
# (keys and clicks through Mutter's remote desktop, pictures from GNOME Shell), KDE Plasma's KWin
# under Wayland (a fake-input client, pictures from spectacle) and X11 with xfwm4 on Xvfb
# (xdotool, import). On each it checks that the pair moves, that Ctrl+H opens the records
# centred over the main window, that a click on the disabled main window brings the records
# forward so that Esc closes them and Left moves the pair again, what the frames offer and, on
# GNOME, that no "is ready" notification shows. Prints a table desktop by check, keeps the
# pictures in build/desktopcheck/ and fails if a check fails or a desktop cannot start.
#   tools/desktopcheck.sh [--without gnome,kde,x11] [BUILD]
#   BUILD holds tarvelo and sounds/, by default build/
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh gnome-shell mutter xwayland pipewire wireplumber python3-gi gir1.2-glib-2.0 dbus \
    kwin-wayland kwin-style-breeze kde-spectacle qtwayland5 plasma-wayland-protocols \
    libwayland-dev pkg-config xfwm4 dbus-x11 xvfb xauth xdotool x11-utils imagemagick python3

without=
build=
while [ $# -gt 0 ]; do
    case $1 in
    --without) without=$2 && shift 2 ;;
    --without=*) without=${1#*=} && shift ;;
    *) build=$1 && shift ;;
    esac
done
if [ -z "$build" ]; then
    build=build
    tools/build.sh tarvelo >/dev/null
fi

out=$PWD/build/desktopcheck
rm -rf "$out" && mkdir -p "$out"
work=$(mktemp -d)
chmod 755 "$work"
mkdir -p "$work/game"
cp -r "$build/tarvelo" "$build/sounds" "$work/game/"
cp tools/desktop/gnome.py "$work/"
proto=/usr/share/plasma-wayland-protocols/fake-input.xml
wayland-scanner client-header "$proto" "$work/fake-input-client-protocol.h"
wayland-scanner private-code "$proto" "$work/fake-input.c"
cc -O2 -I"$work" -o "$work/kdeinput" tools/desktop/kdeinput.c "$work/fake-input.c" \
    $(pkg-config --cflags --libs wayland-client)

# GNOME Shell refuses root, so everything of the desktops runs as nobody when this is root.
as=()
if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody "$work"
    as=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
owner() { [ -z "${as[*]}" ] || chown -R nobody "$@"; }

pids=()
# Ends what the last desktop started, with whatever that started in turn (GNOME Shell's Xwayland,
# say): each was started as a process group of its own. A compositor whose buses went first may
# not end by itself.
stopall() {
    local pid alive
    for pid in "${pids[@]}"; do kill -- "-$pid" 2>/dev/null || kill "$pid" 2>/dev/null || true; done
    for _ in $(seq 30); do
        alive=no
        for pid in "${pids[@]}"; do kill -0 -- "-$pid" 2>/dev/null && alive=yes; done
        [ "$alive" = yes ] || break
        sleep 0.1
    done
    for pid in "${pids[@]}"; do
        kill -9 -- "-$pid" 2>/dev/null || kill -9 "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    pids=()
}
cleanup() {
    stopall
    [ -n "${TARVELO_KEEP:-}" ] || rm -rf "$work"
}
trap cleanup EXIT

# Each desktop gets a home, a runtime folder and buses of its own; environment holds its variables.
environment=()
newsession() { # name
    local home=$work/$1
    mkdir -p "$home/home" "$home/run" "$home/config"
    chmod 700 "$home/run"
    owner "$home"
    environment=(HOME="$home/home" XDG_RUNTIME_DIR="$home/run" XDG_CONFIG_HOME="$home/config"
        LANG=C.UTF-8 PATH=/usr/bin:/bin DBUS_SESSION_BUS_ADDRESS="unix:path=$home/run/bus")
}
run() { "${as[@]}" env -i "${environment[@]}" "$@"; }
# In the background, its process id kept for the clean-up and in $started.
start() {
    setsid "${as[@]}" env -i "${environment[@]}" "$@" &
    started=$!
    pids+=("$started")
}
buses() {
    start dbus-daemon --session --address="unix:path=$work/$desktop/run/bus" --nofork \
        >"$work/$desktop-bus.log" 2>&1
    start dbus-daemon --session --address="unix:path=$work/$desktop/run/sysbus" --nofork \
        >"$work/$desktop-sysbus.log" 2>&1
    environment+=(DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/$desktop/run/sysbus")
    sleep 0.5
}

# The desktop's driver of keys, clicks and pictures, where it has one: a command a line in, an
# answer a line out.
driverready() {
    pids+=("$DRIVER_PID")
    local ready
    read -r -t 20 ready <&"${DRIVER[0]}" && [ "$ready" = ready ]
}
driver() {
    echo "$*" >&"${DRIVER[1]}"
    local answer
    read -r -t 20 answer <&"${DRIVER[0]}"
    echo "$answer"
}

# ---- GNOME ----

gnome_start() {
    buses
    environment+=(XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME)
    # The screencast behind the remote desktop needs PipeWire.
    start pipewire >"$work/gnome-pipewire.log" 2>&1
    sleep 0.5
    start wireplumber >"$work/gnome-wireplumber.log" 2>&1
    start gnome-shell --headless --wayland --virtual-monitor 1024x768 >"$work/gnome.log" 2>&1
    local shell=$started
    for _ in $(seq 300); do
        grep -q "GNOME Shell started" "$work/gnome.log" && break
        kill -0 "$shell" 2>/dev/null || return 1
        sleep 0.1
    done
    grep -q "GNOME Shell started" "$work/gnome.log" || return 1
    local display
    display=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$work/gnome.log" | head -n1)
    # XWayland's clients need the cookie Mutter keeps in the runtime folder.
    local cookie
    cookie=$(ls "$work/gnome/run"/.mutter-Xwaylandauth.* 2>/dev/null | head -n1)
    environment+=(WAYLAND_DISPLAY=wayland-0 DISPLAY="$display" XAUTHORITY="$cookie")
    coproc DRIVER { run /usr/bin/python3 "$work/gnome.py" 2>"$work/gnome-driver.log"; }
    driverready
}
gnome_key() { driver key "$@" >/dev/null; }
gnome_click() { driver click "$1" "$2" >/dev/null; }
gnome_shot() { driver shot "$1" >/dev/null; }
# GNOME opens in its overview, with the window shrunk in the middle and the keys going to the
# search: a click on the window there leaves it.
gnome_appear() {
    local windows
    for _ in $(seq 100); do
        windows=$(gnome_windows)
        grep -q '"title": "Tarvelo"' <<<"$windows" && break
        sleep 0.2
    done
    sleep 1
    gnome_click 512 384
    sleep 1
}
gnome_focus() { gnome_click "$1" "$2"; }
gnome_windows() { driver windows; }
# The frame of each window: GNOME draws it for an X11 window, and tells the window manager's
# allowed actions as on X11; for a Wayland window Qt draws its own, which offers minimise and
# maximise whatever the window is.
gnome_frames() {
    local windows wayland
    windows=$(gnome_windows)  # the driver's pipes are not open to a pipeline's commands
    wayland=$(python3 -c 'import json, sys
for w in json.load(sys.stdin):
    if w["client-type"] == 0:
        print(w["title"] + "\tWayland: Qt'"'"'s own frame, MINIMIZE MAXIMIZE CLOSE")' <<<"$windows")
    if [ -n "$wayland" ]; then
        echo "$wayland"
    else
        x11_frames
    fi
}

# ---- KDE ----

kde_start() {
    buses
    environment+=(XDG_SESSION_TYPE=wayland KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1
        KWIN_WAYLAND_NO_PERMISSION_CHECKS=1)
    # Debian's kwin_wayland carries a file capability that some containers refuse to run; a copy
    # carries none.
    cp /usr/bin/kwin_wayland "$work/kwin_wayland"
    owner "$work/kwin_wayland"
    start "$work/kwin_wayland" --virtual --xwayland --socket wayland-kde --width 1024 \
        --height 768 >"$work/kde.log" 2>&1
    local kwin=$started
    for _ in $(seq 100); do
        [ -S "$work/kde/run/wayland-kde" ] && break
        kill -0 "$kwin" 2>/dev/null || return 1
        sleep 0.1
    done
    [ -S "$work/kde/run/wayland-kde" ] || return 1
    environment+=(WAYLAND_DISPLAY=wayland-kde)
    sleep 2
    coproc DRIVER { run "$work/kdeinput" 2>"$work/kde-input.log"; }
    driverready
}
# Evdev codes of the keys the check presses.
kde_key() {
    local combo codes=()
    for combo in "$@"; do
        case $combo in
        F2) codes+=(60) ;; Left) codes+=(105) ;; Right) codes+=(106) ;; Down) codes+=(108) ;;
        Escape) codes+=(1) ;; ctrl+h) codes+=(29+35) ;;
        esac
    done
    driver key "${codes[@]}" >/dev/null
}
kde_click() { driver click "$1" "$2" >/dev/null; }
kde_shot() { run QT_QPA_PLATFORM=wayland spectacle -b -n -f -o "$1" >/dev/null 2>&1; }
kde_appear() { :; }
kde_focus() { kde_click "$1" "$2"; }
# What KWin lets each window do, from a script of its own.
kde_frames() {
    local script=$work/frames-$RANDOM.js
    cat >"$script" <<'JS'
for (const c of workspace.clientList())
    print("frame\t" + c.caption + "\t" + (c.minimizable ? "MINIMIZE " : "") +
          (c.maximizable ? "MAXIMIZE " : "") + (c.closeable ? "CLOSE" : ""));
JS
    owner "$script"
    run dbus-send --session --print-reply --dest=org.kde.KWin /Scripting \
        org.kde.kwin.Scripting.loadScript \
        string:"$script" string:"${script##*/}" >/dev/null
    run dbus-send --session --print-reply --dest=org.kde.KWin /Scripting \
        org.kde.kwin.Scripting.start >/dev/null
    sleep 1
    sed -n 's/^js: frame\t//p' "$work/kde.log" | sort -u
}

# ---- X11 ----

x11_start() {
    local n
    for n in $(seq 60 90); do [ -e "/tmp/.X11-unix/X$n" ] || break; done
    environment+=(DISPLAY=":$n")
    start Xvfb ":$n" -screen 0 1024x768x24 -dpi 96 -nolisten tcp >"$work/x11-server.log" 2>&1
    for _ in $(seq 50); do
        run xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
    start dbus-launch --exit-with-session xfwm4 --compositor=off >"$work/x11.log" 2>&1
    for _ in $(seq 100); do
        run xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    return 1
}
x11_key() { run xdotool key --delay 150 "$@"; }
x11_click() { run xdotool mousemove "$1" "$2" click 1; }
x11_shot() { run import -window root "$1"; }
x11_appear() { :; }
x11_focus() { x11_click "$1" "$2"; }
x11_window() { run xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
# What the window manager lets each window do.
x11_frames() {
    local title id
    for title in Tarvelo "Десятка лучших результатов"; do
        id=$(x11_window "$title")
        [ -n "$id" ] || continue
        echo "$title	$(run xprop -id "$id" _NET_WM_ALLOWED_ACTIONS | sed 's/.*= //')"
    done
}

# ---- the checks ----

checks=(start moves centred forward frames quiet)
declare -A title=([start]="starts" [moves]="pair moves" [centred]="records centred"
    [forward]="click, Esc, Left" [frames]="frame buttons" [quiet]="no notification")
declare -A result detail
failures=0
check() { # desktop, check, passed (yes or no), what was seen
    result[$1,$2]=$([ "$3" = yes ] && echo ok || echo FAIL)
    detail[$1,$2]=$4
    [ "$3" = yes ] || failures=$((failures + 1))
    printf '  %-5s %-18s %s\n' "${result[$1,$2]}" "${title[$2]}" "$4"
}

# The occupied cells of rows first..last, as "column,row" words.
cells() {
    awk -v first="$2" -v last="$3" 'NR - 1 >= first && NR - 1 <= last && NR <= 15 {
        for (c = 1; c <= 6; c++) if (substr($0, c, 1) == "o") printf "%d,%d ", c - 1, NR - 1 }' <<<"$1"
}
# Takes a picture under a name and reads it.
look() { # name
    rm -f "$work/shot.png"
    "${desktop}_shot" "$work/shot.png"
    cp "$work/shot.png" "$out/$desktop-$1.png"
    python3 tools/desktop/picture.py "$out/$desktop-$1.png"
}
field() { awk -v key="$1" '$1 == key { $1 = ""; print substr($0, 2) }' <<<"$2"; }

play() { # desktop, label
    desktop=$1
    echo "$2"
    newsession "$desktop"
    if ! "${desktop}_start"; then
        # A desktop that fails to come up under load is given one more try; its log says why.
        echo "  the desktop did not start; its log ends:"
        tail -n 5 "$work/$desktop.log" 2>/dev/null | sed 's/^/        /'
        stopall
        rm -rf "${work:?}/$desktop"
        newsession "$desktop"
        if ! "${desktop}_start"; then
            check "$desktop" start no "the desktop did not start twice (logs in $work are removed on exit)"
            tail -n 5 "$work/$desktop.log" 2>/dev/null | sed 's/^/        /'
            return
        fi
    fi
    local platform=()
    [ "$desktop" = x11 ] && platform=(QT_QPA_PLATFORM=xcb)
    start "${platform[@]}" "$work/game/tarvelo" >"$work/$desktop-game.log" 2>&1
    local game=$started seen main
    "${desktop}_appear"
    for _ in $(seq 100); do
        sleep 0.2
        seen=$(look 0-start)
        main=$(field main "$seen")
        [ -n "$main" ] && break
    done
    if [ -z "$main" ]; then
        check "$desktop" start no "no window of the game was seen"
        return
    fi
    check "$desktop" start yes "main window's client area at $main"
    local mx my
    read -r mx my <<<"$main"
    "${desktop}_focus" $((mx + 150)) $((my - 40))
    sleep 1
    # XWayland loses the first key after a click gives a window the keyboard.
    "${desktop}_key" Escape
    sleep 0.3
    main=$(field main "$(look 1-focused)")
    [ -z "$main" ] || read -r mx my <<<"$main"

    "${desktop}_key" F2 Left Left Down
    sleep 0.5
    seen=$(look 2-moved)
    check "$desktop" moves "$([ "$(cells "$seen" 13 14)" = "0,13 0,14 " ] && echo yes || echo no)" \
        "F2, Left, Left, Down: landed at $(cells "$seen" 13 14)"

    "${desktop}_key" ctrl+h
    sleep 1.5
    seen=$(look 3-records)
    local records rx ry
    records=$(field records "$seen")
    if [ "$records" = none ]; then
        check "$desktop" centred no "Ctrl+H: no records window seen"
    else
        read -r rx ry <<<"$records"
        # Centre of the records window's client area against the main window's, menu bar
        # (about 20 pixels) included; the frames above them are alike.
        local dx=$((rx + 120 - mx - 144)) dy=$((ry + 148 - my - 127))
        check "$desktop" centred \
            "$([ "${dx#-}" -le 8 ] && [ "${dy#-}" -le 40 ] && echo yes || echo no)" \
            "records at $records, off the main window's centre by $dx, $dy"
    fi

    # No maximise anywhere, and no minimise on the records, except on KDE under Wayland, where
    # the protocol gives a program no way to refuse it.
    local frames mainacts recacts minimise=yes
    frames=$("${desktop}_frames")
    mainacts=$(awk -F'\t' '$1 == "Tarvelo" { print $2 }' <<<"$frames")
    recacts=$(awk -F'\t' '$1 != "Tarvelo" { print $2 }' <<<"$frames")
    [ "$desktop" = kde ] || ! grep -q MINIMIZE <<<"$recacts" || minimise=no
    check "$desktop" frames "$(! grep -q MAXIMIZE <<<"$mainacts$recacts" && [ "$minimise" = yes ] &&
        [ -n "$recacts" ] && echo yes || echo no)" \
        "main: $(sed 's/_NET_WM_ACTION_//g' <<<"$mainacts"); records: $(sed 's/_NET_WM_ACTION_//g' <<<"$recacts")"

    # The strip of the main window left of the records window, which covers the rest of it.
    "${desktop}_click" $((mx + 6)) $((my + 150))
    sleep 0.7
    "${desktop}_key" Escape
    # What is read is waited for: the records gone and the pair drawn above the continue button.
    local before after
    for _ in $(seq 10); do
        sleep 0.5
        seen=$(look 4-escape)
        before=$(cells "$seen" 0 5)
        [ "$(field records "$seen")" = none ] && [ -n "$before" ] && break
    done
    "${desktop}_key" Left
    for _ in $(seq 10); do
        sleep 0.3
        after=$(cells "$(look 5-left)" 0 5)
        [ -n "$after" ] && [ "$after" != "$before" ] && break
    done
    check "$desktop" forward \
        "$([ "$(field records "$seen")" = none ] && [ -n "$before" ] && [ "$before" != "$after" ] &&
            echo yes || echo no)" \
        "records $([ "$(field records "$seen")" = none ] && echo closed || echo "still open"), pair at $before then $after"

    # Where the click did not bring the records forward, its button closes them.
    if [ "$(field records "$seen")" != none ]; then
        read -r rx ry <<<"$(field records "$seen")"
        "${desktop}_click" $((rx + 120)) $((ry + 276))
        sleep 0.7
    fi

    if [ "$desktop" = gnome ]; then
        # The colours and about windows, five times each, from the menus: "Настройки" then
        # its third item, "Справка" then its last.
        local banners=0 n what menu item
        for n in 1 2 3 4 5; do
            for what in colours about; do
                [ "$what" = colours ] && menu=173 item="183 52" || menu=243 item="253 32"
                "${desktop}_click" $((mx + menu)) $((my - 10))
                sleep 0.5
                "${desktop}_click" $((mx + ${item% *})) $((my + ${item#* }))
                sleep 1
                [ "$(field banner "$(look "6-$what-$n")")" = yes ] && banners=$((banners + 1))
                "${desktop}_key" Escape
                sleep 0.7
            done
        done
        check gnome quiet "$([ "$banners" = 0 ] && echo yes || echo no)" \
            "colours and about opened five times each: $banners notification(s)"
    fi
    kill "$game" 2>/dev/null || true
}

all=(gnome kde x11)
declare -A label=([gnome]="GNOME 43, Wayland session, headless" [kde]="KDE Plasma 5.27: KWin, Wayland, headless"
    [x11]="X11: xfwm4 on Xvfb")
for desktop in "${all[@]}"; do
    if [[ ",$without," == *",$desktop,"* ]]; then
        echo "${label[$desktop]}: left out"
        continue
    fi
    play "$desktop" "${label[$desktop]}:"
    stopall
done

echo
printf '%-8s' ""
for c in "${checks[@]}"; do printf '%-20s' "${title[$c]}"; done
echo
for desktop in "${all[@]}"; do
    printf '%-8s' "$desktop"
    for c in "${checks[@]}"; do printf '%-20s' "${result[$desktop,$c]:-—}"; done
    echo
done
echo "Pictures: $out"
if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "Every check passed."
