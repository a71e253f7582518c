#!/usr/bin/env bash
# Runs a Windows program under Wine in a prefix of the project's own (build-win32/wine, made on
# first use), quietly. The Windows build runs its generators and tests through it.
#   tools/wine.sh PROGRAM.exe [ARGUMENT...]
set -euo pipefail
export WINEPREFIX=${WINEPREFIX:-$(cd "$(dirname "$0")/.." && pwd)/build-win32/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}  # no .NET or Gecko to install
quiet() { # Without 32-bit Wine a new prefix complains of a 32-bit helper it cannot run: harmless.
    "$@" 2> >(grep -v -e 'syswow64.*rundll32.exe' -e 'has been updated' -e 'created the configuration directory' >&2)
}
mkdir -p "$WINEPREFIX"
# Wine's session outlives its last program by a few seconds, and one begun without a display
# can open no window for the programs that join it: it must have ended before one with a display
# starts.
ended() { [ -n "${DISPLAY:-}" ] || wineserver -w; }
# The prefix is made once, though the build may start two programs in it at the same moment.
(
    flock 9
    if [ ! -e "$WINEPREFIX/system.reg" ]; then
        quiet wine wineboot --init
        ended
    fi
    # Debian's Wine does not look for the fonts of fonts-wine: without them the caption buttons
    # show letters and every text falls back to another face.
    fonts=$WINEPREFIX/drive_c/windows/Fonts
    [ -e "$fonts/marlett.ttf" ] || cp /usr/share/wine/fonts/*.ttf "$fonts/"
) 9>"$WINEPREFIX/.made"
[ -z "${DISPLAY:-}" ] || quiet exec wine "$@"
status=0
quiet wine "$@" || status=$?
ended
exit $status
