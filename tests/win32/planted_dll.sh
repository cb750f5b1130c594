#!/usr/bin/env bash
# Plants a winmm.dll of its own beside the Windows program, as anyone could in
# a Downloads folder, and shows that it is never loaded while both sounds still
# play. Wine is told to prefer a winmm.dll found on the search path to its own
# (winmm=n,b), so it searches as Windows does for a DLL that is not one of its
# known ones. The program's import table must name only the system DLLs that
# Windows always takes from its own folder (COMCTL32 comes through the manifest).
#   planted_dll.sh VERMILO.EXE SOUND_PROBE.EXE PLANTED_WINMM.DLL WORK_DIR
# Run inside the Wine session (wine_session.sh run).
set -euo pipefail
game=$1 probe=$2 planted=$3 work=$4

for tool in x86_64-w64-mingw32-objdump xdotool pulseaudio pactl parec python3; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
fail() {
    echo "FAIL: $*"
    exit 1
}
. "$(dirname "$0")/game_window.sh"

imports=$(x86_64-w64-mingw32-objdump -p "$game" | awk '/DLL Name/ {print $3}' | sort -f | xargs)
echo "vermilo.exe imports: $imports"
for dll in $imports; do
    case ${dll^^} in
        KERNEL32.DLL | USER32.DLL | GDI32.DLL | SHELL32.DLL | OLE32.DLL | MSVCRT.DLL | COMCTL32.DLL) ;;
        *) fail "vermilo.exe imports $dll, which Windows would look for beside it first" ;;
    esac
done

rm -rf "$work"
mkdir -p "$work/folder" "$work/sound/runtime" "$work/sound/home"
chmod 700 "$work/sound/runtime"
cp "$game" "$probe" "$work/folder/"
cp "$planted" "$work/folder/winmm.dll"
marker="$work/folder/planted.loaded"

# A sound server of the test's own with a sink that plays into nothing, and a
# recording of that sink.
socket="$work/sound/runtime/native"
XDG_RUNTIME_DIR="$work/sound/runtime" HOME="$work/sound/home" \
    PULSE_RUNTIME_PATH="$work/sound/runtime" PULSE_STATE_PATH="$work/sound/home" \
    DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent DISPLAY= \
    pulseaudio --daemonize=no -n --exit-idle-time=-1 --use-pid-file=no --system=no \
    --realtime=no --high-priority=no --log-target=stderr \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$socket" \
    --load="module-null-sink sink_name=vermilo_test rate=44100 norewinds=1" \
    >"$work/sound/server.log" 2>&1 &
server_pid=$!
recorder_pid=
game_pid=
cleanup() {
    for pid in $game_pid $recorder_pid $server_pid; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
}
trap cleanup EXIT
export PULSE_SERVER="unix:$socket"
for _ in $(seq 100); do
    pactl info >/dev/null 2>&1 && break
    kill -0 "$server_pid" 2>/dev/null || { cat "$work/sound/server.log"; fail "pulseaudio stopped"; }
    sleep 0.1
done
pactl info >/dev/null 2>&1 || fail "pulseaudio did not answer within 10 s"

# Records the sink while COMMAND runs: `record FILE COMMAND…`.
record() {
    local file=$1
    shift
    parec -d vermilo_test.monitor --format=s16le --channels=1 --rate=11025 \
        --latency-msec=20 >"$file" &
    recorder_pid=$!
    for _ in $(seq 100); do [ -s "$file" ] && break; sleep 0.05; done
    local status=0
    "$@" || status=$?
    sleep 0.5
    kill "$recorder_pid"
    wait "$recorder_pid" 2>/dev/null || true
    recorder_pid=
    return "$status"
}
# How many seconds of a recording are sound, in 5 ms windows louder than any
# rounding left in silence. A machine under load makes Wine's playback stutter,
# which stretches an effect but leaves it about as much sound.
sound_seconds() {
    python3 -c '
import array, sys
samples = array.array("h")
samples.frombytes(open(sys.argv[1], "rb").read())
window = 55
loud = sum(max(map(abs, samples[i:i + window])) >= 1500
           for i in range(0, len(samples) - window, window))
print(round(loud * window / 11025, 3))' "$1"
}
louder() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winmm=n,b" WINEDEBUG=warn+heap
cd "$work/folder"

# The game's sound code on its own, pop and then oof. Under heavy load Wine's
# sound driver may start so late that the whole effect falls outside the
# recording; an effect not heard at all is played once more.
probe_name=$(basename "$probe")
for effect in pop oof; do
    for attempt in 1 2; do
        record "$work/sound/$effect.raw" timeout 60 wine ./"$probe_name" "$effect" \
            2>>"$work/probe.log" || fail "the sound probe could not play $effect"
        louder "$(sound_seconds "$work/sound/$effect.raw")" 0 && break
        echo "$effect was not heard in attempt $attempt"
    done
done
[ ! -e "$marker" ] || fail "the planted winmm.dll was loaded by the game's sound code"

# The program itself: started from the folder, a game started with F2 runs the
# worm into the right-hand wall in 2.5 s, and oof is heard.
play_until_death() {
    wine ./vermilo.exe 2>"$work/game.log" &
    game_pid=$!
    wait_for_window "$game_pid"
    timeout 10 xdotool windowactivate --sync "$window" || fail "the window cannot be activated"
    xdotool key F2
    sleep 4
    exit_by_menu "$game_pid"
    game_pid=
}
record "$work/sound/game.raw" play_until_death
[ ! -e "$marker" ] || fail "the planted winmm.dll was loaded by vermilo.exe"
echo "the planted winmm.dll was never loaded"

if grep -E '^[0-9a-f]+:(err|warn):heap:' "$work/probe.log" "$work/game.log"; then
    fail "Wine reported heap errors"
fi

pop=$(sound_seconds "$work/sound/pop.raw")
oof=$(sound_seconds "$work/sound/oof.raw")
game=$(sound_seconds "$work/sound/game.raw")
echo "seconds of sound heard: pop $pop, oof $oof (of 0.15 and 0.43), the game's $game"
louder "$pop" 0.05 || fail "pop was not heard"
louder "$oof" "$pop" || fail "oof was not heard, or not longer than pop"
louder "$game" 0.2 || fail "the game's oof was not heard"
echo "the game's sound code played pop and oof, and the game its oof, through the system's winmm"
