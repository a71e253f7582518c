# A private X server for the scripts that look at the game: Xvfb at 1024x768 and 96 dots an inch
# on the first free display from :80, exported as DISPLAY; its pid is added to the caller's
# pids, which the caller's clean-up ends.
startxvfb() {
    local n
    for n in $(seq 80 99); do [ -e "/tmp/.X11-unix/X$n" ] || break; done
    export DISPLAY=:$n
    Xvfb "$DISPLAY" -screen 0 1024x768x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}
