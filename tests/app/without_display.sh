#!/usr/bin/env bash
# Without a display, or with one that cannot be reached, the game must end at
# once with status 1 and one plain sentence: no abort, no core dump.
set -u
program=$1
failures=0

check() {
    local description=$1
    shift
    local output status
    output=$(timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" 2>&1)
    status=$?
    if [ "$status" -ne 1 ]; then
        echo "FAIL $description: exit status $status (want 1)"; failures=$((failures + 1))
    elif [ "$(printf '%s\n' "$output" | wc -l)" -ne 1 ] || [[ "$output" != vermilo:* ]]; then
        echo "FAIL $description: want one line starting 'vermilo:', got:"; echo "$output"
        failures=$((failures + 1))
    else
        echo "ok   $description: $output"
    fi
}

check "no display at all"
check "an X display nobody serves" DISPLAY=:97
check "a Wayland display nobody serves" WAYLAND_DISPLAY=nowhere-0 QT_QPA_PLATFORM=wayland

[ "$failures" -eq 0 ] && echo "3 passed, 0 failed" || echo "$((3 - failures)) passed, $failures failed"
exit "$failures"
