#!/usr/bin/env bash
# Checks the Windows packages as a player meets them, under Wine in a fresh prefix on a private X
# display: makes the installer and the zip with cpack, installs silently (/S), starts the
# installed program from its Start-menu folder's target and closes it, starts the program from
# the unpacked zip, then uninstalls silently and checks that the program went and the player's
# settings and records stayed.
#   tools/installcheck.sh
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh g++-mingw-w64-x86-64-posix googletest wine wine64 fonts-wine nsis xvfb xauth \
    xdotool x11-utils unzip
tools/build.sh --windows tarvelo >/dev/null
(cd build-win32 && cpack >/dev/null)
version=$(sed -n 's/^project(Tarvelo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
setup=build-win32/tarvelo-$version-win64-setup.exe
zip=build-win32/tarvelo-$version-win64.zip

work=$(mktemp -d)
export WINEPREFIX=$work/prefix
pids=()
source tools/desktop/xvfb.sh
cleanup() {
    stopall
    rm -rf "$work"
}
trap cleanup EXIT
failed=0
check() { # what, then a command that must succeed
    local what=$1
    shift
    if "$@"; then echo "  ok    $what"; else echo "  FAIL  $what" && failed=1; fi
}

startxvfb
tools/wine.sh reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null

drive=$WINEPREFIX/drive_c
folder="$drive/Program Files/Tarvelo"
menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Tarvelo"
values() { tools/wine.sh reg query 'HKCU\Software\Tarvelo' /s 2>/dev/null | grep -c REG_SZ || true; }
gone() { # path: the uninstaller finishes in a copy of itself, after it returns
    for _ in $(seq 100); do [ -e "$1" ] || return 0; sleep 0.1; done
    return 1
}
# Starts a program, waits for its main window, closes it as a player does (Alt+F4, after a
# click on the caption gives it the keyboard) and waits for it to end.
startsandcloses() { # program
    tools/wine.sh "$1" >/dev/null 2>&1 &
    local pid=$! window=
    for _ in $(seq 200); do
        window=$(xdotool search --onlyvisible --name '^Tarvelo$' 2>/dev/null | head -n1)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || return 1
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + 10)) click 1
    sleep 0.5
    xdotool key alt+F4
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    ! kill -0 "$pid" 2>/dev/null
}

echo "Packages: $(du -k "$setup" | cut -f1) KiB installer, $(du -k "$zip" | cut -f1) KiB zip"
echo "Installer, silently:"
tools/wine.sh "$setup" /S
check "the program and its sounds in Program Files" \
    test -f "$folder/tarvelo.exe" -a -f "$folder/sounds/drop.wav" -a -f "$folder/Uninstall.exe"
check "a Start-menu entry" test -f "$menu/Tarvelo.lnk"
check "the installed program starts, and closes on Alt+F4" startsandcloses 'C:\Program Files\Tarvelo\tarvelo.exe'
check "its settings and records in the registry (31 values)" test "$(values)" = 31

echo "Zip, unpacked anywhere:"
unzip -q "$zip" -d "$drive/Игры"
check "the unpacked program starts, and closes on Alt+F4" \
    startsandcloses "C:\\Игры\\tarvelo-$version-win64\\tarvelo.exe"

echo "Uninstaller, silently:"
tools/wine.sh "$folder/Uninstall.exe" /S
check "the program's folder removed" gone "$folder"
check "the Start-menu entry removed" gone "$menu"
check "the player's settings and records kept (31 values)" test "$(values)" = 31
exit $failed
