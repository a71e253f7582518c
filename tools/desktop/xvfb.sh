# A private X server for the scripts that look at the game: Xvfb at 1024x768 and 96 dots an inch
# on the first free display from :80, exported as DISPLAY; its pid is added to the caller's
# pids, which stopall ends.
startxvfb() {
    local n
    for n in $(seq 80 99); do [ -e "/tmp/.X11-unix/X$n" ] || break; done
    export DISPLAY=:$n
    Xvfb "$DISPLAY" -screen 0 1024x768x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}

# Ends the Wine session in $WINEPREFIX when the caller set one, then the caller's pids.
stopall() {
    if [ -n "${WINEPREFIX:-}" ]; then
        wineserver -k 2>/dev/null || true
        wineserver -w 2>/dev/null || true
    fi
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
}
