# The test scripts' checks, sourced after `scratch` names a folder of their own:
# `check DESCRIPTION COMMAND…` runs the command and prints ok, or FAIL with what
# it said; `finish_checks` prints the count and fails when any check did.
passed=0
failed=0

check() {
    local description=$1
    shift
    if "$@" >"$scratch/out" 2>&1; then
        echo "ok   $description"
        passed=$((passed + 1))
    else
        echo "FAIL $description"
        sed 's/^/     /' "$scratch/out"
        failed=$((failed + 1))
    fi
}

finish_checks() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
