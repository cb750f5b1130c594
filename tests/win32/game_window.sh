# Sourced by the tests that play the Windows program from outside, once `fail`
# is defined. `wait_for_window PID` sets `window` to the game's window when it
# shows; `exit_by_menu PID` chooses Game > Exit and checks that the program
# ends with status 0.

wait_for_window() {
    local pid=$1
    window=
    for _ in $(seq 300); do
        window=$(xdotool search --onlyvisible --name '^Vermilo$' 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && return
        kill -0 "$pid" 2>/dev/null || fail "the program ended before showing its window"
        sleep 0.1
    done
    fail "no window titled Vermilo within 30 s"
}

exit_by_menu() {
    local pid=$1 status=0
    xdotool key alt+g
    sleep 0.5
    xdotool key x
    for _ in $(seq 200); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "Game > Exit did not end the program within 20 s"
    wait "$pid" || status=$?
    [ "$status" = 0 ] || fail "Game > Exit ended the program with status $status"
}
