#!/usr/bin/env bash
# Plays the built Windows program under Wine as a player would, on the Wine
# session's display: its window titled "Vermilo" shows the 481 x 369 field,
# F2 and the cursor keys move the worm on screen, and Game > Exit (Alt+G, X)
# ends it with status 0.
#   end_to_end.sh VERMILO.EXE FIELD_PROBE.EXE WORK_DIR
set -euo pipefail
game=$1 probe=$2 work=$3

for tool in xdotool import convert python3; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
rm -rf "$work"
mkdir -p "$work"

wine "$game" >"$work/game.log" 2>&1 &
game_pid=$!
trap 'kill "$game_pid" 2>/dev/null || true' EXIT

fail() {
    echo "FAIL: $*"
    exit 1
}

. "$(dirname "$0")/game_window.sh"
wait_for_window "$game_pid"

read -r width height left top < <(timeout 60 wine "$probe")
echo "client area ${width} x ${height} at (${left}, ${top})"
[ "$width" = 481 ] && [ "$height" = 369 ] || fail "the client area is ${width} x ${height}"

timeout 10 xdotool windowactivate --sync "$window" || fail "the window cannot be activated"
shot() {
    import -window root -crop "${width}x${height}+${left}+${top}" +repage "$work/$1.png"
}
# Where the worm's bright green body lies in a shot: the row and column of
# each cell it covers.
cells() {
    convert "$work/$1.png" -depth 8 rgb:- | python3 -c '
import sys
data = sys.stdin.buffer.read()
width = int(sys.argv[1])
cells = set()
for i in range(0, len(data), 3):
    if data[i:i + 3] == bytes((4, 254, 4)):
        x, y = (i // 3) % width - 1, (i // 3) // width - 1
        cells.add((y // 16, x // 16))
print(" ".join(f"{r},{c}" for r, c in sorted(cells)))' "$width"
}

# The shots are taken first and looked at afterwards, so the worm has not
# reached a wall before it is steered.
sleep 0.5
shot start
xdotool key F2
sleep 0.6
shot running
xdotool key Down
sleep 0.6
shot steered

start=$(cells start)
echo "at start-up the worm covers: $start"
[ "$start" = "0,0 0,1 0,2 0,3 0,4 0,5" ] || fail "the start-up worm is not six cells in the top row"
running=$(cells running)
echo "after F2: $running"
[[ " $running " =~ \ 0,([6-9]|[12][0-9])\  ]] || fail "the worm did not move right after F2"
steered=$(cells steered)
echo "after Down: $steered"
[[ " $steered " =~ \ [1-9][0-9]*,[0-9]+\  ]] || fail "the worm did not turn down the field"

exit_by_menu "$game_pid"
trap - EXIT
if grep 'warn:heap' "$work/game.log"; then
    fail "Wine's heap checks warned while the program ran"
fi
echo "Game > Exit ended the program with status 0"
