# A private X server for the scripts that look at the game: Xvfb at 1024x768 and 96 dots an inch
# on a display it takes itself (-displayfd), so that two scripts at once never share one,
# exported as DISPLAY; its pid is added to the caller's pids, which stopall ends.
startxvfb() {
    local told n
    told=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$told" >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do
        n=$(head -n 1 "$told")
        if [ -n "$n" ] && DISPLAY=:$n xdpyinfo >/dev/null 2>&1; then
            rm -f "$told"
            export DISPLAY=:$n
            return 0
        fi
        sleep 0.1
    done
    rm -f "$told"
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
