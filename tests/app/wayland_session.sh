#!/usr/bin/env bash
# The game under two real Wayland compositors, started as a desktop starts it.
# On sway, which draws the windows' title bars: it runs on Qt's wayland
# platform, F2 and the cursor keys move the worm, the instructions and about
# windows, sizable, still float at their sizes over the main window (sway
# floats a window that has a parent), the graphics driver is never loaded,
# Game > Exit ends it with status 0, and an open about window keeps it running
# after the main window has closed. On weston, which like GNOME leaves title
# bars to the program: the main window's title bar offers a close box only.
# Compositors refuse to run as root; as root, everything runs as nobody.
set -u
program=$1
checker=$(dirname "$0")/screen_check.py

for tool in sway swaymsg wtype grim weston weston-screenshooter Xwayland convert python3 setpriv; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/setup.sh installs it)"
        exit 77
    fi
done

# Under /tmp, which every user may pass through, whatever TMPDIR says.
scratch=$(mktemp -d -p /tmp)
pids=()
claimed=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    rm -rf "$scratch" "${claimed[@]}"
}
trap cleanup EXIT
# A copy of the program that the unprivileged user may run, wherever the build is.
chmod 755 "$scratch"
cp "$program" "$scratch/vermilo"
chmod 755 "$scratch/vermilo"
sanitizer_settings=()
for name in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
    [ -n "${!name:-}" ] && sanitizer_settings+=("$name=${!name}")
done
if [[ "${LSAN_OPTIONS:-}" =~ suppressions=([^:]+) ]]; then
    cp "${BASH_REMATCH[1]}" "$scratch/lsan.supp" && chmod 644 "$scratch/lsan.supp"
    sanitizer_settings+=("LSAN_OPTIONS=${LSAN_OPTIONS/${BASH_REMATCH[1]}/$scratch/lsan.supp}")
fi

as_user=()
[ "$(id -u)" -eq 0 ] && as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
new_runtime() {
    mkdir -m 700 "$scratch/$1"
    [ "$(id -u)" -eq 0 ] && chown nobody:nogroup "$scratch/$1"
    echo "$scratch/$1"
}
# Sets `command` to run a command in a session's clean environment, bounded in time.
session() {
    local runtime=$1 limit=$2
    shift 2
    command=("${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$runtime" XDG_RUNTIME_DIR="$runtime"
        "${sanitizer_settings[@]}" "${session_env[@]}" timeout "$limit" "$@")
}
in_session() {
    session "$1" 60 "${@:2}"
    "${command[@]}"
}
# Retries a command for up to $1 seconds, quietly, until it succeeds.
poll() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >"$scratch/poll.out" 2>&1; do
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.3
    done
}

. "$(dirname "$0")/checks.sh"

echo "== sway"
sway_run=$(new_runtime sway)
printf 'output HEADLESS-1 resolution 1280x800\n' >"$scratch/sway.conf"
chmod 644 "$scratch/sway.conf"
session_env=(WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1)
session "$sway_run" 300 sway -c "$scratch/sway.conf"
"${command[@]}" >"$scratch/sway.log" 2>&1 &
pids+=($!)
sway_ready() { ls "$sway_run"/sway-ipc.*.sock && ls "$sway_run"/wayland-[0-9]; }
if ! poll 30 sway_ready; then
    echo "FAIL sway did not start:"
    tail -5 "$scratch/sway.log"
    exit 1
fi
session_env=(WAYLAND_DISPLAY="$(basename "$(ls "$sway_run"/wayland-[0-9] | head -1)")"
    SWAYSOCK="$(ls "$sway_run"/sway-ipc.*.sock | head -1)")

# One line per window: title, shell, floating, the client's x y width height,
# and its frame's x y width height.
windows() {
    in_session "$sway_run" swaymsg -t get_tree | python3 -c '
import json, sys
def walk(node, floating):
    if node.get("pid"):
        r, w = node["rect"], node["window_rect"]
        print("|".join([node["name"], node.get("shell", ""), str(floating),
                        "%d %d %d %d" % (r["x"] + w["x"], r["y"] + w["y"], w["width"], w["height"]),
                        "%d %d %d %d" % (r["x"], r["y"], r["width"], r["height"])]))
    for child in node.get("nodes", []):
        walk(child, floating)
    for child in node.get("floating_nodes", []):
        walk(child, True)
walk(json.load(sys.stdin), False)'
}
window() { windows | grep "^$1|"; }
field(){ window Vermilo | cut -d'|' -f4; }
keys() { in_session "$sway_run" wtype -s 800 "$@"; }
focus_main() { in_session "$sway_run" swaymsg '[title="^Vermilo$"] focus' >/dev/null; }

# Started by the compositor, as from a desktop's menu, with the session's
# environment; its exit status goes to the file named.
printf '#!/bin/sh\ntimeout 120 %s 2>>%s\necho $? >"$1"\n' "$scratch/vermilo" "$sway_run/game.log" \
    >"$scratch/play"
chmod 755 "$scratch/play"
in_session "$sway_run" swaymsg exec "$scratch/play $sway_run/status" >/dev/null
check "the main window opens" poll 30 window Vermilo
main=$(window Vermilo)
echo "     main window: $main"
check "it runs on the wayland platform" test "$(cut -d'|' -f2 <<<"$main")" = xdg_shell
# Whether a window floats, and its client's size.
floating_size() { echo "$(cut -d'|' -f3 <<<"$1") $(cut -d'|' -f4 <<<"$1" | cut -d' ' -f3,4)"; }
check "it floats at 481 x 388" test "$(floating_size "$main")" = "True 481 388"

worm_moved() {
    in_session "$sway_run" grim "$sway_run/shot.png" && python3 "$checker" worm "$sway_run/shot.png" $(field)
}
keys -k F2 -s 300 -k Down -s 600 -M ctrl -k p -m ctrl
check "F2 starts the worm and the down key turns it (paused with Ctrl+P)" poll 20 worm_moved

inside() { # client rect $1 lies within frame rect $2
    local x y w h X Y W H
    read -r x y w h <<<"$1"
    read -r X Y W H <<<"$2"
    [ "$x" -ge "$X" ] && [ "$y" -ge "$Y" ] && [ $((x + w)) -le $((X + W)) ] && [ $((y + h)) -le $((Y + H)) ]
}
for item in "i|How to Play|303 272" "a|About Vermilo|329 288"; do
    IFS='|' read -r letter title size <<<"$item"
    focus_main
    keys -M alt -k h -m alt -s 300 -k "$letter"
    check "Help > $title opens its window" poll 30 window "$title"
    shown=$(window "$title")
    main=$(window Vermilo)
    echo "     $title: $shown"
    check "$title floats at $size" test "$(floating_size "$shown")" = "True $size"
    check "$title lies over the main window" inside "$(cut -d'|' -f4 <<<"$shown")" \
        "$(cut -d'|' -f5 <<<"$main")"
    read -r x y w h <<<"$(cut -d'|' -f4 <<<"$shown")"
    read -r mx my mw mh <<<"$(cut -d'|' -f4 <<<"$main")"
    echo "     its centre is $((x + w / 2 - mx - mw / 2)), $((y + h / 2 - my - mh / 2)) from the main window's"
    keys -k Escape
    gone() { ! window "$title"; }
    check "Esc closes $title" poll 20 gone
done

software_only() {
    local game
    game=$(pgrep -n -x -f "$scratch/vermilo") && ! grep -E 'libEGL_|/dri/|libgbm|wayland-graphics-integration' "/proc/$game/maps"
}
check "with its windows open it has loaded no graphics driver" software_only

focus_main
keys -M alt -k g -m alt -s 300 -k x
check "Game > Exit ends the program" poll 30 test -s "$sway_run/status"
check "with status 0" test "$(cat "$sway_run/status" 2>/dev/null)" = 0
[ -s "$sway_run/status" ] || windows | sed 's/^/     still open: /'

# The about window keeps the program running after the main window has closed.
in_session "$sway_run" swaymsg exec "$scratch/play $sway_run/status-2" >/dev/null
poll 30 window Vermilo
keys -M alt -k h -m alt -s 300 -k a
poll 30 window "About Vermilo"
in_session "$sway_run" swaymsg '[title="^Vermilo$"] kill' >/dev/null
main_closed() { ! window Vermilo; }
poll 20 main_closed
sleep 1 # time enough for a program that wrongly ends with its main window
still_open() { window "About Vermilo" && [ ! -e "$sway_run/status-2" ]; }
check "closing the main window leaves the about window open and the game running" still_open
keys -k Escape
check "closing that too ends the program with status 0" poll 30 grep -qx 0 "$sway_run/status-2"
[ "$failed" -gt 0 ] && [ -s "$sway_run/game.log" ] && sed 's/^/     game: /' "$sway_run/game.log"
in_session "$sway_run" swaymsg exit >/dev/null 2>&1

echo "== weston"
# Weston's XWayland takes the first display number without a lock file and
# gives up when that number's socket is left behind by an X server that has
# gone, or belongs to a user it may not remove. Lock such numbers for as long
# as this runs, so that weston passes them by as it passes live servers by.
for socket in /tmp/.X11-unix/X*; do
    number=${socket##*/X}
    [[ $number =~ ^[0-9]+$ ]] || continue
    if (set -C && printf '%10d\n' $$ >"/tmp/.X$number-lock") 2>/dev/null; then
        claimed+=("/tmp/.X$number-lock")
        echo "     display :$number has a socket but no server; weston is kept off it"
    fi
done
weston_run=$(new_runtime weston)
printf '[core]\nxwayland=true\n[shell]\nbackground-color=0xff204060\npanel-position=none\n' \
    >"$scratch/weston.ini"
chmod 644 "$scratch/weston.ini"
session_env=()
session "$weston_run" 300 weston --config="$scratch/weston.ini" --backend=headless-backend.so \
    --use-pixman --debug --socket=vermilo-0 --width=1024 --height=768
"${command[@]}" >"$scratch/weston.log" 2>&1 &
pids+=($!)
if ! poll 30 grep -q 'xserver listening on display' "$scratch/weston.log"; then
    echo "FAIL weston did not start with XWayland:"
    tail -5 "$scratch/weston.log"
    exit 1
fi
x_display=$(grep -o 'xserver listening on display :[0-9]*' "$scratch/weston.log" | grep -o ':[0-9]*$')
session_env=(WAYLAND_DISPLAY=vermilo-0 DISPLAY="$x_display")

# How many buttons the main window's title bar offers, once the window shows.
title_bar_buttons() {
    rm -f "$weston_run"/*.png
    (cd "$weston_run" && in_session "$weston_run" weston-screenshooter) &&
        python3 "$checker" buttons "$weston_run"/*.png >"$scratch/buttons"
}
buttons_of() {
    session "$weston_run" 60 "$@" "$scratch/vermilo"
    "${command[@]}" >/dev/null 2>&1 &
    local game=$!
    poll 30 title_bar_buttons && tail -1 "$scratch/buttons"
    kill "$game" 2>/dev/null
    wait "$game" 2>/dev/null
    no_window() { ! title_bar_buttons; }
    poll 20 no_window
}
buttons=$(buttons_of env)
echo "     the title bar as the game opens: ${buttons:-none seen} button(s)"
check "the main window's title bar offers a close box only" test "$buttons" = 1
echo "     (Qt's own Wayland title bar offers $(buttons_of env QT_QPA_PLATFORM=wayland))"

finish_checks
