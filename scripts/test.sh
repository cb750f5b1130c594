#!/usr/bin/env bash
# Sets everything up, then builds and runs every test in three stages, each
# with compiler warnings as errors (the presets alone only show them):
#   windows  the Windows program, cross-compiled and tested under Wine
#   default  built by GCC: every test, and the benchmarks built, not run
#   asan     built by Clang, under the address, undefined-behaviour and leak
#            sanitizers
# The stages are built one after another, each build with every core; a
# stage's tests run while the next stage builds, at a higher priority than the
# build, since most of them spend their time waiting on timers, servers and
# Wine. Every stage runs, whatever became of the others. At the end come each
# stage's test log, one line per stage (tests passed and failed, minutes), and
# last the whole count in ctest's words. It exits non-zero when a stage failed.
#   VERMILO_TEST_JOBS   tests run at once in a stage (default: twice the cores)
set -uo pipefail
cd "$(dirname "$0")/.."
stages=(windows default asan)
jobs=${VERMILO_TEST_JOBS:-$(($(nproc) * 2))}
hz=$(getconf CLK_TCK)
logs=build/test-logs

minutes() { awk -v s="$1" 'BEGIN {printf "%.1f", s / 60}'; }
# CPU seconds (user and system) of the finished children of process $1.
cpu_seconds() { awk -v hz="$hz" '{printf "%.0f", ($16 + $17) / hz}' "/proc/$1/stat"; }

start=$SECONDS
scripts/setup.sh || exit 1
setup_seconds=$((SECONDS - start))
rm -rf "$logs"
mkdir -p "$logs"

# Runs one stage's tests; leaves their output in $logs/PRESET.log and
# "status wall-seconds cpu-seconds" in $logs/PRESET.times.
run_tests() {
    local preset=$1 start=$SECONDS status self=$BASHPID
    ctest --preset "$preset" -j "$jobs" >"$logs/$preset.log" 2>&1
    status=$?
    echo "$status $((SECONDS - start)) $(cpu_seconds "$self")" >"$logs/$preset.times"
}

# Builds one stage, leaving "wall-seconds cpu-seconds" in $logs/PRESET.build.
build() {
    local preset=$1 start=$SECONDS status=0 self=$BASHPID
    if cmake --preset "$preset" -DVERMILO_WERROR=ON >"$logs/$preset.configure" 2>&1; then
        nice -n 10 cmake --build --preset "$preset" || status=$?
    else
        cat "$logs/$preset.configure"
        status=1
    fi
    echo "$((SECONDS - start)) $(cpu_seconds "$self")" >"$logs/$preset.build"
    return "$status"
}

# Tests still running when the script is stopped go with it, and so does
# everything they started.
stop_tree() {
    local child
    for child in $(cat /proc/"$1"/task/*/children 2>/dev/null); do stop_tree "$child"; done
    kill "$1" 2>/dev/null
}
testers=()
trap 'for tester in "${testers[@]}"; do stop_tree "$tester"; done' EXIT
trap 'exit 130' INT TERM
for preset in "${stages[@]}"; do
    echo "== build $preset"
    if (build "$preset"); then
        run_tests "$preset" &
        testers+=($!)
    fi
done
wait
trap - EXIT

summary=()
passed_total=0
failed_total=0
failed_stages=()
for preset in "${stages[@]}"; do
    read -r build_seconds build_cpu <"$logs/$preset.build"
    if [ ! -f "$logs/$preset.times" ]; then
        summary+=("$(printf '%-8s %-26s build %4s min' "$preset" "did not build" \
            "$(minutes "$build_seconds")")")
        failed_stages+=("$preset")
        continue
    fi
    read -r status test_seconds test_cpu <"$logs/$preset.times"
    echo
    echo "== test $preset"
    cat "$logs/$preset.log"
    read -r total failed < <(sed -nE 's/.* tests passed, ([0-9]+) tests? failed out of ([0-9]+)$/\2 \1/p' \
        "$logs/$preset.log")
    if [ -z "${total:-}" ]; then
        result="ran no tests"
        failed_stages+=("$preset")
    else
        result="$((total - failed)) passed, $failed failed"
        passed_total=$((passed_total + total - failed))
        failed_total=$((failed_total + failed))
        [ "$status" -eq 0 ] || failed_stages+=("$preset")
    fi
    summary+=("$(printf '%-8s %-26s build %4s min, tests %4s min (CPU %s min)' "$preset" "$result" \
        "$(minutes "$build_seconds")" "$(minutes "$test_seconds")" \
        "$(minutes $((build_cpu + test_cpu)))")")
    unset total failed
done

echo
echo "== stages (setup $(minutes "$setup_seconds") min, all $(minutes "$SECONDS") min," \
    "load $(cut -d' ' -f1-3 /proc/loadavg))"
printf '%s\n' "${summary[@]}"
all=$((passed_total + failed_total))
line="$((all > 0 ? 100 * passed_total / all : 0))% tests passed, $failed_total tests failed out of $all"
[ ${#failed_stages[@]} -eq 0 ] || line+=" (failed stage: ${failed_stages[*]})"
echo "$line"
[ ${#failed_stages[@]} -eq 0 ]
