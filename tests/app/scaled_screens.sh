#!/usr/bin/env bash
# On X11 screens scaled to 100, 125, 150, 175 and 200 % (the desktop's Xft.dpi)
# the game takes a whole factor: its window is the 100 % window times that
# factor, the field is drawn in whole squares of pixels, and the score's
# digits stay inside their label.
set -u
program=$1
checker=$(dirname "$0")/screen_check.py
for tool in Xvfb xdotool xprop xwininfo import convert python3; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/setup.sh installs it)"
        exit 77
    fi
done
scratch=$(mktemp -d)
Xvfb -displayfd 3 -noreset -screen 0 2400x1800x24 3>"$scratch/display" >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null; rm -rf "$scratch"' EXIT
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$scratch/display")
failures=0

# Starts the game at one scale; prints the factor, the window's size and the findings.
play_at() {
    local dpi=$1 factor=$2
    xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "$(printf 'Xft.dpi:\t%s\n' "$dpi")"
    QT_QPA_PLATFORM=xcb timeout 60 "$program" >/dev/null 2>&1 &
    local game=$! window
    window=$(timeout 30 xdotool search --sync --name '^Vermilo$' | head -1)
    local x y w h
    read -r x y w h < <(xwininfo -id "$window" | awk '/Absolute upper-left X/ {x = $4}
        /Absolute upper-left Y/ {y = $4} /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}')
    echo "$w $h" >"$scratch/size-$dpi"
    import -window root "$scratch/start.png"
    xdotool windowfocus --sync "$window" key F2
    # The worm runs into the right wall and the count-up shows the score.
    local deadline=$((SECONDS + 30))
    until import -window root "$scratch/score.png" &&
        python3 "$checker" scaled "$scratch/start.png" "$scratch/score.png" "$x" "$y" "$w" "$h" \
            "$factor" >"$scratch/found" 2>&1; do
        [ $SECONDS -ge $deadline ] && break
        sleep 0.5
    done
    kill "$game" 2>/dev/null
    wait "$game" 2>/dev/null
    cat "$scratch/found"
}

base_w=0
base_h=0
for row in "96 100 1" "120 125 1" "144 150 2" "168 175 2" "192 200 2"; do
    read -r dpi percent factor <<<"$row"
    found=$(play_at "$dpi" "$factor")
    read -r w h <"$scratch/size-$dpi"
    [ "$dpi" = 96 ] && base_w=$w && base_h=$h
    if [ "$w $h" = "$((base_w * factor)) $((base_h * factor))" ] && [[ "$found" == *": True; "*": True" ]]; then
        echo "ok   $percent %: factor $factor, window $w x $h; $found"
    else
        echo "FAIL $percent %: factor $factor, window $w x $h (want $((base_w * factor)) x $((base_h * factor))); $found"
        failures=$((failures + 1))
    fi
done
exit "$failures"
