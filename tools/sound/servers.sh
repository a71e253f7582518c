# Private sound servers with a null sink named "check", for tools/soundcheck.sh and
# tools/bench.sh. Each start function sets PULSE_SERVER; stopserver ends the one started.
# XDG_RUNTIME_DIR must be a private folder of the caller's.

server_group=

startpulseaudio() { # folder
    cat >"$1/pulse.pa" <<PA
load-module module-native-protocol-unix socket=$1/pulse-native auth-anonymous=1
load-module module-null-sink sink_name=check rate=48000 norewinds=1
set-default-sink check
PA
    setsid pulseaudio -n -F "$1/pulse.pa" --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
        >"$1/pulse.log" 2>&1 &
    server_group=$!
    export PULSE_SERVER=unix:$1/pulse-native
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}

# PipeWire's PulseAudio service with its session manager, as Debian 12's GNOME runs it.
startpipewire() { # folder
    command -v pipewire-pulse >/dev/null && command -v wireplumber >/dev/null || return 1
    setsid dbus-run-session -- bash -c 'pipewire & sleep 0.5; wireplumber & pipewire-pulse & wait' \
        >"$1/pipewire.log" 2>&1 &
    server_group=$!
    export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse/native
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    pactl load-module module-null-sink sink_name=check rate=48000 >/dev/null || return 1
    sleep 0.5
    pactl set-default-sink check
}

stopserver() {
    [ -z "$server_group" ] || kill -- "-$server_group" 2>/dev/null || true
    server_group=
    unset PULSE_SERVER
    sleep 0.5
}
