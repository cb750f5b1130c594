#!/usr/bin/env bash
# Builds the optimised preset and prints the game's cost figures: worm step and
# food placement times, the timers' real periods, the board's painted area per
# tick, how late the first sound of a run comes, and start-up time, memory, CPU
# and wake-ups against a bare Qt window of the game's shape; then the Windows
# program's figures under Wine (bench/win32/measure.sh), its cost against a bare
# Win32 window of its shape in a second table; then the browser version's bytes,
# first drawn field and CPU against a bare page. The figures are printed, never
# judged: nothing here fails for being slow.
#   VERMILO_BENCH_REPETITIONS (15), VERMILO_TICKS (300), VERMILO_SOUND_RUNS (5),
#   VERMILO_STARTS (7), VERMILO_PLAYS (5), VERMILO_PLAY_SECONDS (30),
#   VERMILO_PAGE_RUNS (3), VERMILO_PAGE_SECONDS (20)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release >/dev/null
build=build/release
xvfb=(xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb)

echo "== Machine"
echo "$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs), $(nproc) cores," \
     "$(awk '/MemTotal/ {printf "%.0f GiB", $2 / 1048576}' /proc/meminfo)," \
     "load $(cut -d' ' -f1-3 /proc/loadavg); Linux $(uname -r);" \
     "Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo '?')"

echo
echo "== Worm step and food placement, ns: median and range over ${VERMILO_BENCH_REPETITIONS:-15} runs"
QT_QPA_PLATFORM=offscreen "$build/bench/rules_bench" \
    --benchmark_repetitions="${VERMILO_BENCH_REPETITIONS:-15}" \
    --benchmark_report_aggregates_only=true 2>/dev/null |
    awk '$1 ~ /_(median|min|max)$/ {
             name = $1; sub(/_[a-z]+$/, "", name); stat = $1; sub(/.*_/, "", stat)
             if (!(name in seen)) { seen[name] = 1; order[++n] = name }
             value[name, stat] = $2
         }
         END {
             printf "%-28s %10s %22s\n", "benchmark", "median", "range"
             for (i = 1; i <= n; i++)
                 printf "%-28s %10s %10s to %9s\n", order[i], value[order[i], "median"],
                        value[order[i], "min"], value[order[i], "max"]
         }'
echo "stepX/N: a worm of N cells moving along a closed path through every cell (689: all but"
echo "one cell; 690: the whole field, the step into its tail that ends the game). stepNull: a"
echo "platform that does nothing; stepDrawing: into the real board image; stepDrawingAndRepaint:"
echo "the window shown offscreen and its repaint handled after each step. placeFoodX/B: B=0 a new"
echo "game's worm, 1 one free 2 x 2 block left, 2 three free cells and no block."

echo
echo "== Timers and painting in the real window under Xvfb, a bot playing in real time"
"${xvfb[@]}" "$build/bench/tick_probe" "${VERMILO_TICKS:-300}" 2>/dev/null

echo
echo "== The first sound of a run"
"${xvfb[@]}" "$build/bench/sound_latency" "${VERMILO_SOUND_RUNS:-5}" 2>/dev/null

echo
echo "== Process cost under Xvfb: the game against its floor, a bare window of its shape"
# Each table comes from a script that prints its rows with bench/cost_table.sh.
"${xvfb[@]}" bench/process_cost.sh "$build" 2>/dev/null

echo
echo "== The Windows program under Wine"
# Its own table in the same format, against a bare Win32 window of its shape.
bench/win32/measure.sh "$build/bench/map_timer"

echo
echo "== The browser version in headless Chromium against a bare page of its shape"
cmake --preset web >/dev/null
cmake --build --preset web --target web_site >/dev/null
/usr/bin/python3 bench/web/page_cost.py build/web/site bench/web \
    "${VERMILO_PAGE_RUNS:-3}" "${VERMILO_PAGE_SECONDS:-20}"
