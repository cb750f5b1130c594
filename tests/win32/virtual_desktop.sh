#!/usr/bin/env bash
# Runs a test program in Wine's virtual desktop, passing on what it says, and
# passes when its last line says PASSED. The desktop is ended as soon as that
# line comes, rather than in the seconds Wine gives an emptied desktop.
#   virtual_desktop.sh NAME,WIDTHxHEIGHT PROGRAM.EXE [ARGUMENT…]
set -euo pipefail
desktop=$1
shift
coproc explorer { exec wine explorer "/desktop=$desktop" "$@"; }
pid=$explorer_PID
verdict=
while IFS= read -r line <&"${explorer[0]}"; do
    line=${line%$'\r'}
    printf '%s\n' "$line"
    case $line in
        PASSED | FAILED) verdict=$line && break ;;
    esac
done
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
[ "$verdict" = PASSED ]
