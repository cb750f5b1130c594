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
        KERNEL32.DLL | USER32.DLL | GDI32.DLL | SHELL32.DLL | MSVCRT.DLL | COMCTL32.DLL) ;;
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
parec -d vermilo_test.monitor --format=s16le --channels=1 --rate=11025 --latency-msec=20 \
    >"$work/sound/recording.raw" &
recorder_pid=$!

export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winmm=n,b" WINEDEBUG=warn+heap
cd "$work/folder"

# The game's sound code on its own: pop, then oof.
timeout 60 wine ./"$(basename "$probe")" 2>"$work/probe.log" || fail "the sound probe failed"
[ ! -e "$marker" ] || fail "the planted winmm.dll was loaded by the game's sound code"

# The program itself: started from the folder, a game started with F2 runs the
# worm into the right-hand wall in 2.5 s, and oof is heard.
wine ./vermilo.exe 2>"$work/game.log" &
game_pid=$!
wait_for_window "$game_pid"
timeout 10 xdotool windowactivate --sync "$window" || fail "the window cannot be activated"
xdotool key F2
sleep 4
exit_by_menu "$game_pid"
game_pid=
[ ! -e "$marker" ] || fail "the planted winmm.dll was loaded by vermilo.exe"
echo "the planted winmm.dll was never loaded"

if grep -E '^[0-9a-f]+:(err|warn):heap:' "$work/probe.log" "$work/game.log"; then
    fail "Wine reported heap errors"
fi

sleep 0.5
kill "$recorder_pid"
wait "$recorder_pid" 2>/dev/null || true
recorder_pid=
# The stretches of sound in the recording: louder than quiet in a 5 ms window,
# gaps under 50 ms bridged. Pop lasts 0.15 s and oof 0.44 s.
python3 - "$work/sound/recording.raw" <<'PYTHON' || fail "the sounds were not heard as expected"
import array, sys
samples = array.array("h")
samples.frombytes(open(sys.argv[1], "rb").read())
rate, window, quiet = 11025, 55, 1500
bursts = []
for start in range(0, len(samples) - window, window):
    if max(abs(s) for s in samples[start:start + window]) < quiet:
        continue
    if bursts and start - bursts[-1][1] < rate // 20:
        bursts[-1][1] = start + window
    else:
        bursts.append([start, start + window])
lengths = [round((end - start) / rate, 3) for start, end in bursts]
print("sounds heard (s):", lengths)
pop, oof = (0.08, 0.3), (0.3, 0.7)
inside = lambda length, span: span[0] <= length <= span[1]
sys.exit(0 if len(lengths) >= 3 and inside(lengths[0], pop) and inside(lengths[1], oof)
         and inside(lengths[-1], oof) else 1)
PYTHON
echo "the sound probe played pop and oof, and the game played oof, through the system's winmm"
