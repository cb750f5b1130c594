#!/usr/bin/env bash
# Builds the Windows program with its measuring programs and prints its cost
# figures under Wine: the program's size and the DLLs it imports, the time from
# its start to its window being shown, and the real period of Timer1 beside a
# plain SetTimer. The figures are printed, never judged.
#   VERMILO_STARTS (5), VERMILO_TICKS (300)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=build/windows-bench
session=$PWD/$build/wine-measure
wine_session=tests/win32/wine_session.sh
cmake --preset windows -B "$build" -DVERMILO_BENCH=ON -DVERMILO_TESTS=OFF >/dev/null
cmake --build "$build" >/dev/null
game=$build/app/vermilo.exe

echo "== Program"
echo "vermilo.exe: $(stat -c %s "$game") bytes; imports:" \
     "$(x86_64-w64-mingw32-objdump -p "$game" | awk '/DLL Name/ {print $3}' | xargs)"
echo "$(wine --version 2>/dev/null), $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"

trap '"$wine_session" stop "$session"' EXIT
"$wine_session" start "$session"

echo
echo "== Start-up under Wine, ms from the command to a shown window titled Vermilo"
times=()
for _ in $(seq "${VERMILO_STARTS:-5}"); do
    started=$(date +%s%N)
    "$wine_session" run "$session" "$game" >/dev/null 2>&1 &
    pid=$!
    window=
    for _ in $(seq 1500); do
        window=$("$wine_session" run "$session" xdotool search --onlyvisible --name '^Vermilo$' \
                 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && break
        sleep 0.01
    done
    shown=$(date +%s%N)
    times+=($(((shown - started) / 1000000)))
    "$wine_session" run "$session" xdotool windowactivate --sync "$window" key alt+F4 || true
    timeout 20 tail --pid="$pid" -f /dev/null || kill "$pid"
done
printf '%s\n' "${times[@]}" | sort -n | awk '{t[NR] = $1} END {
    printf "each: "; for (i = 1; i <= NR; i++) printf "%d ", t[i]
    printf "\nmedian %d ms\n", t[int((NR + 1) / 2)] }'

echo
echo "== Timer periods under Wine (${VERMILO_TICKS:-300} ticks each)"
"$wine_session" run "$session" "$build/bench/win32/timer_probe.exe" "${VERMILO_TICKS:-300}"
