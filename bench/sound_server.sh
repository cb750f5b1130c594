# A PulseAudio server with one null sink, reached by nothing but the measured
# programs, so that their effects are played as a player's are. Sourced by the
# measuring scripts:
#   start_sound_server DIR   starts it with its files in DIR, exports
#                            PULSE_SERVER and sets sound_server to its process
#                            id (empty, and PULSE_SERVER a dead end, where
#                            pulseaudio is not installed)
start_sound_server() {
    local scratch=$1 socket
    # shellcheck disable=SC2034 # for the caller to end it
    sound_server=
    if ! command -v pulseaudio >/dev/null || ! command -v pactl >/dev/null; then
        export PULSE_SERVER=unix:/nonexistent/vermilo-measure
        echo "Sound: no pulseaudio installed; the game plays silently."
        return
    fi
    mkdir -m 700 "$scratch/runtime" "$scratch/home"
    socket=$scratch/runtime/native
    env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$scratch/runtime" HOME="$scratch/home" \
        PULSE_RUNTIME_PATH="$scratch/runtime" PULSE_STATE_PATH="$scratch/home" \
        DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent \
        pulseaudio --daemonize=no -n --exit-idle-time=-1 --use-pid-file=no --system=no \
        --realtime=no --high-priority=no --log-target=stderr \
        "--load=module-native-protocol-unix auth-anonymous=1 socket=$socket" \
        "--load=module-null-sink sink_name=measure rate=44100" 2>"$scratch/pulseaudio.log" &
    # shellcheck disable=SC2034 # for the caller to end it
    sound_server=$!
    for _ in $(seq 100); do
        pactl --server="unix:$socket" info >/dev/null 2>&1 && break
        sleep 0.1
    done
    export PULSE_SERVER=unix:$socket
    echo "Sound: a PulseAudio server of this script's own, with a null sink."
}
