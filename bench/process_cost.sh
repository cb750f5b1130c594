#!/usr/bin/env bash
# Start-up time, memory and CPU of the game against a bare Qt window with a menu
# bar, both on the X display this runs on (scripts/measure.sh uses Xvfb).
#   bench/process_cost.sh BUILD_DIR
set -euo pipefail
build=$1
game=$build/app/vermilo
bare=$build/bench/bare_window
map_timer=$build/bench/map_timer
starts=${VERMILO_STARTS:-10}
play_seconds=${VERMILO_PLAY_SECONDS:-60}
hz=$(getconf CLK_TCK)

rss_kb() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
stop() { kill "$1" 2>/dev/null || true; while kill -0 "$1" 2>/dev/null; do sleep 0.05; done; }
# Median and range of the numbers on standard input.
summary() { sort -n | awk '{v[NR] = $1} END {printf "median %.1f (%.1f to %.1f)", (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2), v[1], v[NR]}'; }
# CPU use of a process over some seconds, in percent of one core.
cpu_percent() {
    local before after
    before=$(cpu_ticks "$1"); sleep "$2"; after=$(cpu_ticks "$1")
    awk -v t=$((after - before)) -v hz="$hz" -v s="$2" 'BEGIN {printf "%.2f", 100 * t / hz / s}'
}

startup_ms() { # title program
    for _ in $(seq "$starts"); do
        read -r ms pid < <("$map_timer" "$1" "$2")
        echo "$ms"
        stop "$pid"
    done | summary
}

echo "Start-up to the window being mapped, ms over $starts starts:"
echo "  bare window  $(startup_ms "Bare window" "$bare")"
echo "  game         $(startup_ms "Vermilo" "$game")"

read -r _ bare_pid < <("$map_timer" "Bare window" "$bare")
sleep 2
echo "Bare window: resident $(rss_kb "$bare_pid") kB after start-up; CPU while idle $(cpu_percent "$bare_pid" 10) % of a core"
stop "$bare_pid"

read -r _ game_pid < <("$map_timer" "Vermilo" "$game")
sleep 2
echo "Game: resident $(rss_kb "$game_pid") kB after start-up; CPU while idle $(cpu_percent "$game_pid" 10) % of a core"

# A minute of play (VERMILO_PLAY_SECONDS), keys from outside as a player gives them: a fresh worm
# every ten seconds, steered round a small square in the middle of the field.
window=$(xdotool search --name '^Vermilo$' | head -1)
xdotool windowfocus --sync "$window"
play() {
    local keys=(Left Up Right Down) i=0
    while [ "$SECONDS" -lt "$1" ]; do
        if [ $((i % 20)) -eq 0 ]; then
            xdotool key F2; sleep 0.6; xdotool key Down; sleep 0.6
        fi
        xdotool key "${keys[i % 4]}"; i=$((i + 1)); sleep 0.5
    done
}
start_ticks=$(cpu_ticks "$game_pid")
rss_samples=("$(rss_kb "$game_pid")")
end=$((SECONDS + play_seconds))
play "$end" &
player=$!
while [ "$SECONDS" -lt "$end" ]; do sleep 10; rss_samples+=("$(rss_kb "$game_pid")"); done
wait "$player"
play_ticks=$(($(cpu_ticks "$game_pid") - start_ticks))
echo "Game during $play_seconds s of play: resident kB every 10 s: ${rss_samples[*]}"
echo "Game during $play_seconds s of play: CPU $(awk -v t="$play_ticks" -v hz="$hz" -v s="$play_seconds" \
    'BEGIN {printf "%.2f", 100 * t / hz / s}') % of a core"
stop "$game_pid"
