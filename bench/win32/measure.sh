#!/usr/bin/env bash
# Builds the Windows program with its measuring programs and prints its cost
# figures under Wine: the program's size and the DLLs it imports, its start-up
# time, memory, CPU and wake-ups against a bare Win32 window of its shape
# (bench/win32/process_cost.sh), and the real period of Timer1 beside a plain
# SetTimer. The figures are printed, never judged. scripts/measure.sh runs it
# after the Linux figures, handing it the map_timer it built; alone it builds
# that from the release preset.
#   bench/win32/measure.sh [MAP_TIMER]
#   VERMILO_STARTS (7), VERMILO_PLAYS (5), VERMILO_PLAY_SECONDS (30), VERMILO_TICKS (300)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=build/windows-bench
session=$PWD/$build/wine-measure
wine_session=tests/win32/wine_session.sh
map_timer=${1:-}
if [ -z "$map_timer" ]; then
    cmake --preset release >/dev/null
    cmake --build --preset release --target map_timer >/dev/null
    map_timer=build/release/bench/map_timer
fi
cmake --preset windows -B "$build" >/dev/null
cmake --build "$build" --target vermilo bare_window played_game timer_probe >/dev/null
game=$build/app/vermilo.exe

echo "== Program"
echo "vermilo.exe: $(stat -c %s "$game") bytes; imports:" \
     "$(x86_64-w64-mingw32-objdump -p "$game" | awk '/DLL Name/ {print $3}' | xargs)"
echo "$(wine --version 2>/dev/null), $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"

trap '"$wine_session" stop "$session"' EXIT
"$wine_session" start "$session"

echo
echo "== Process cost under Wine: the game against its floor, a bare Win32 window of its shape"
bench/win32/process_cost.sh "$build" "$session" "$map_timer"

echo
echo "== Timer periods under Wine (${VERMILO_TICKS:-300} ticks each)"
"$wine_session" run "$session" "$build/bench/win32/timer_probe.exe" "${VERMILO_TICKS:-300}"
