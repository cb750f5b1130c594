#!/usr/bin/env bash
# What the game costs its machine beside its floor, a bare Qt window of its
# shape (bench/bare_window_main.cpp), both on the X display this runs on
# (scripts/measure.sh uses Xvfb) and, where pulseaudio is installed, with a
# sound server of its own to play the effects on. Game and floor take turns,
# so that whatever else loads the machine weighs on both alike.
#   bench/process_cost.sh BUILD_DIR
#   VERMILO_STARTS (7), VERMILO_PLAYS (5), VERMILO_PLAY_SECONDS (30)
set -euo pipefail
build=$1
here=$(dirname "$0")
source "$here/cost_table.sh"
source "$here/sound_server.sh"
game=$build/app/vermilo
played=$build/bench/played_game
floor=$build/bench/bare_window
map_timer=$build/bench/map_timer
starts=${VERMILO_STARTS:-7}
plays=${VERMILO_PLAYS:-5}
play_seconds=${VERMILO_PLAY_SECONDS:-30}

scratch=$(mktemp -d)
sound_server=
cleanup() {
    [ -n "$sound_server" ] && kill "$sound_server" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

start_sound_server "$scratch"

rss_mib() { awk '/^VmRSS/ { printf "%.2f", $2 / 1024 }' "/proc/$1/status"; }
libraries() { awk '$6 ~ /\.so/ { print $6 }' "/proc/$1/maps" | sort -u | wc -l; }
stop() { kill "$1" 2>/dev/null || true; while kill -0 "$1" 2>/dev/null; do sleep 0.05; done; }

declare -A map_ms cpu_ms libs rss_start cpu_play switches_play wakes_play rss_play instructions
# Starts one program, waits for its window and samples it: PROGRAM TITLE KEY [ARGUMENTS...]
start_up() {
    local title=$1 key=$2 ms pid cpu
    shift 2
    read -r ms pid cpu < <("$map_timer" "$title" "$@")
    map_ms[$key]+="$ms "
    cpu_ms[$key]+="$cpu "
    libs[$key]+="$(libraries "$pid") "
    sleep 1
    rss_start[$key]+="$(rss_mib "$pid") "
    stop "$pid"
}
# Each program measures its own threads over the same stretch of its run.
play() {
    local title=$1 key=$2 ms pid cpu report
    shift 2
    report=$scratch/report.$key
    read -r ms pid cpu < <("$map_timer" "$title" "$@" 2 "$play_seconds" 2>"$report")
    sleep $((play_seconds + 1))
    rss_play[$key]+="$(rss_mib "$pid") "
    timeout 10 tail --pid="$pid" -f /dev/null || stop "$pid"
    grep 'games,' "$report" >> "$scratch/plays" || true
    read -r _ ms switches voluntary < <(grep '^usage ' "$report")
    cpu_play[$key]+="$(awk -v ms="$ms" -v s="$play_seconds" 'BEGIN { printf "%.3f", ms / 10 / s }') "
    switches_play[$key]+="$(awk -v n="$switches" -v s="$play_seconds" 'BEGIN { printf "%.1f", n / s }') "
    wakes_play[$key]+="$(awk -v n="$voluntary" -v s="$play_seconds" 'BEGIN { printf "%.1f", n / s }') "
}
# Instructions from the start to the request that maps the window, under callgrind.
count_instructions() {
    local title=$1 key=$2 out=$scratch/callgrind.$2 pid
    shift 2
    read -r _ pid _ < <("$map_timer" "$title" valgrind --tool=callgrind --callgrind-out-file="$out" \
        --dump-before=xcb_map_window "$@" 2>/dev/null)
    stop "$pid"
    instructions[$key]+="$(awk '/^summary:|^totals:/ { printf "%.2f", $2 / 1e6; exit }' "$out.1") "
}

echo "Load before: $(cut -d' ' -f1-3 /proc/loadavg)"
for round in $(seq "$starts"); do
    if [ $((round % 2)) -eq 1 ]; then
        start_up "Bare window" floor "$floor"; start_up Vermilo game "$game"
    else
        start_up Vermilo game "$game"; start_up "Bare window" floor "$floor"
    fi
done
if command -v valgrind >/dev/null; then
    count_instructions "Bare window" floor "$floor"
    count_instructions Vermilo game "$game"
fi
for round in $(seq "$plays"); do
    play "Bare window" floor "$floor"
    play Vermilo game "$played"
done
echo "Load after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "Each play (the autoplayer's thinking is left out of the game's processor time):" \
     "$(grep 'games,' "$scratch/plays" | paste -sd';')"
echo
cost_table_header "Linux (X11), the game against a bare Qt window of its shape"
cost_row "start-up to the window mapped, ms" "${map_ms[game]}" "${map_ms[floor]}"
cost_row "processor time to the window mapped, ms" "${cpu_ms[game]}" "${cpu_ms[floor]}"
[ -n "${instructions[game]:-}" ] &&
    cost_row "instructions to the window mapped, millions" "${instructions[game]}" "${instructions[floor]}"
cost_row "shared libraries mapped at start-up" "${libs[game]}" "${libs[floor]}" 0
cost_row "resident memory 1 s after start-up, MiB" "${rss_start[game]}" "${rss_start[floor]}" 2
cost_row "CPU while the worm runs, % of a core" "${cpu_play[game]}" "${cpu_play[floor]}" 3
cost_row "context switches per second while it runs" "${switches_play[game]}" "${switches_play[floor]}"
cost_row "  of them voluntary (the process went to sleep)" "${wakes_play[game]}" "${wakes_play[floor]}"
cost_row "resident memory after the play, MiB" "${rss_play[game]}" "${rss_play[floor]}" 2
