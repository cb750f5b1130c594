#!/usr/bin/env bash
# What the Windows program costs its machine under Wine beside its floor, a
# bare Win32 window of its shape (bench/win32/bare_window_main.cpp), in one
# Wine session (tests/win32/wine_session.sh: Xvfb, openbox and one prefix)
# whose wineserver is kept running, with a sound server of this script's own
# for the effects. Game and floor take turns, so that whatever else loads the
# machine weighs on both alike. map_timer (bench/map_timer_main.cpp, a Linux
# program) starts each one and times it to its window being mapped.
# The game is played a second time with its sound off, to tell the sound's
# share of its cost.
#   bench/win32/process_cost.sh BUILD_DIR SESSION_DIR MAP_TIMER
#   VERMILO_STARTS (7), VERMILO_PLAYS (5), VERMILO_PLAY_SECONDS (30)
set -euo pipefail
build=$1 session=$2 map_timer=$3
here=$(dirname "$0")
source "$here/../cost_table.sh"
source "$here/../sound_server.sh"
game=$build/app/vermilo.exe
played=$build/bench/win32/played_game.exe
floor=$build/bench/win32/bare_window.exe
starts=${VERMILO_STARTS:-7}
plays=${VERMILO_PLAYS:-5}
play_seconds=${VERMILO_PLAY_SECONDS:-30}
warm_seconds=2

scratch=$(mktemp -d)
sound_server=
cleanup() {
    [ -n "$sound_server" ] && kill "$sound_server" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
start_sound_server "$scratch"

# A wineserver that stays when no program runs, as on a desktop where other
# The session's display and prefix, and Wine's heap checks as in the tests.
# shellcheck disable=SC1091
. "$session/env"
export DISPLAY WINEPREFIX WINEARCH=win64 WINEDEBUG=-all,warn+heap WINEDLLOVERRIDES="mscoree,mshtml="
prefix=$WINEPREFIX
# A wineserver that stays when no program runs, as on a desktop where other
# Wine programs keep it going (it refuses when one runs already); only this
# session's is looked at.
wineserver -p 2>/dev/null || true
wineserver_pid() {
    local pid
    # Other sessions' servers may end while they are looked at.
    for pid in $(pgrep -x wineserver64 || true); do
        if { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$prefix"; then
            echo "$pid"
            return
        fi
    done
}

# "<processor ms> <context switches>" of a process's live threads.
threads_cost() {
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ ns += $1 } END { printf "%.1f ", ns / 1e6 }'
    cat /proc/"$1"/task/*/status 2>/dev/null |
        awk '/ctxt_switches/ { n += $2 } END { print n + 0 }'
}
rss_mib() { awk '/^VmRSS/ { printf "%.2f", $2 / 1024 }' "/proc/$1/status"; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }
ms_per_second() { awk -v n="$1" -v ms="$2" 'BEGIN { printf "%.1f", n * 1000 / ms }'; }
percent() { awk -v used="$1" -v ms="$2" 'BEGIN { printf "%.3f", used * 100 / ms }'; }

# Starts one program in the session under map_timer, which stays its parent
# and says what the program's whole life cost once it has ended; sets pid,
# map_ms and runner. Wine's desktop process, started by the first program,
# keeps the program's standard error open, so nothing waits for its end.
#   launch PROGRAM TITLE LOG [ARGUMENTS...]
launch() {
    local program=$1 title=$2 log=$3 line=
    shift 3
    "$map_timer" --wait "$title" wine "$program" "$@" >"$log.out" 2>"$log.err" &
    runner=$!
    for _ in $(seq 600); do
        line=$(head -n 1 "$log.out")
        [ -n "$line" ] && break
        sleep 0.05
    done
    [ -n "$line" ] || { echo "no window \"$title\" from $program" >&2; cat "$log.err" >&2; exit 1; }
    read -r map_ms pid _ <<<"$line"
}
# Waits for map_timer to report the end; fails on the heap checks' warnings.
finish() {
    if ! wait "$runner" || grep -q 'warn:heap' "$2.err"; then
        echo "Wine's heap checks warned, or $1 failed:" >&2
        cat "$2.err" >&2
        exit 1
    fi
}

declare -A map_ms_of cpu_play switches_play server_cpu server_switches rss_start rss_play lost
start_up() {
    local program=$1 title=$2 key=$3 log=$scratch/start
    launch "$program" "$title" "$log"
    map_ms_of[$key]+="$map_ms "
    sleep 1
    rss_start[$key]+="$(rss_mib "$pid") "
    kill -KILL "$pid"
    finish "$program" "$log"
}
# CPU and switches over the stretch from the warm-up's end to a SIGKILL, which
# spares the figures the program's ending; the game's count comes from its
# whole life less what its threads had spent before the stretch, so threads
# that ended within it (a sound's) are counted too.
play() {
    local program=$1 title=$2 key=$3 log=$scratch/play.$3 server before after from to
    local game_before game_after thinking said
    shift 3
    launch "$program" "$title" "$log" $((warm_seconds + play_seconds + 30)) "$@"
    sleep "$warm_seconds"
    server=$(wineserver_pid)
    from=$(now_ms)
    read -r game_before < <(threads_cost "$pid")
    read -r before < <(threads_cost "$server")
    sleep "$play_seconds"
    read -r game_after < <(threads_cost "$pid")
    read -r after < <(threads_cost "$server")
    rss_play[$key]+="$(rss_mib "$pid") "
    to=$(now_ms)
    kill -KILL "$pid"
    finish "$program" "$log"
    read -r _ ended_cpu ended_vol ended_invol < <(grep '^ended ' "$log.out")
    # The autoplayer's thinking, at its average rate, is left out of the game's.
    said=$(grep 'in the autoplayer' "$log.err" | tail -n 1 || true)
    thinking=$(awk -v ms=$((to - from)) '{ print NF ? $(NF - 7) / $(NF - 1) / 1000 * ms : 0 }' \
        <<<"$said")
    [ -z "$said" ] || echo "$said" >>"$scratch/plays"
    read -r cpu_before ctx_before <<<"$game_before"
    read -r _ ctx_after <<<"$game_after"
    cpu_play[$key]+="$(percent "$(awk -v e="$ended_cpu" -v b="$cpu_before" -v t="$thinking" \
        'BEGIN { print e - b - t }')" $((to - from))) "
    switches_play[$key]+="$(ms_per_second $((ended_vol + ended_invol - ctx_before)) $((to - from))) "
    # What threads that ended within the stretch had done: the whole life's
    # count less the live threads' at its end.
    lost[$key]+="$(ms_per_second $((ended_vol + ended_invol - ctx_after)) $((to - from))) "
    read -r server_cpu_before server_ctx_before <<<"$before"
    read -r server_cpu_after server_ctx_after <<<"$after"
    server_cpu[$key]+="$(percent "$(awk -v a="$server_cpu_after" -v b="$server_cpu_before" \
        'BEGIN { print a - b }')" $((to - from))) "
    server_switches[$key]+="$(ms_per_second $((server_ctx_after - server_ctx_before)) $((to - from))) "
}

echo "Load before: $(cut -d' ' -f1-3 /proc/loadavg)"
# One start of each, not counted: Wine's own start-up in the prefix is paid once.
start_up "$floor" "Bare window" warm
start_up "$game" Vermilo warm
for round in $(seq "$starts"); do
    if [ $((round % 2)) -eq 1 ]; then
        start_up "$floor" "Bare window" floor; start_up "$game" Vermilo game
    else
        start_up "$game" Vermilo game; start_up "$floor" "Bare window" floor
    fi
done
for round in $(seq "$plays"); do
    play "$floor" "Bare window" floor
    play "$played" Vermilo game
    play "$played" Vermilo silent silent
done
echo "Load after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "Each play, with the sound and without, in turn: $(paste -sd';' "$scratch/plays")"
echo
cost_table_header "Windows under Wine $(wine --version 2>/dev/null | sed 's/^wine-//'), the game against a bare Win32 window of its shape"
cost_row "start-up to the window mapped, ms" "${map_ms_of[game]}" "${map_ms_of[floor]}"
cost_row "resident memory 1 s after start-up, MiB" "${rss_start[game]}" "${rss_start[floor]}" 2
cost_row "CPU while the worm runs, % of a core" "${cpu_play[game]}" "${cpu_play[floor]}" 3
cost_row "context switches per second while it runs" "${switches_play[game]}" "${switches_play[floor]}"
cost_row "  of them in threads that ended meanwhile" "${lost[game]}" "${lost[floor]}"
cost_row "wineserver's CPU meanwhile, % of a core" "${server_cpu[game]}" "${server_cpu[floor]}" 3
cost_row "wineserver's context switches per second" "${server_switches[game]}" "${server_switches[floor]}"
cost_row "resident memory after the play, MiB" "${rss_play[game]}" "${rss_play[floor]}" 2
cost_row "with the sound off: CPU, % of a core" "${cpu_play[silent]}" "${cpu_play[floor]}" 3
cost_row "  context switches per second" "${switches_play[silent]}" "${switches_play[floor]}"
cost_row "  wineserver's CPU, % of a core" "${server_cpu[silent]}" "${server_cpu[floor]}" 3
cost_row "  wineserver's context switches per second" "${server_switches[silent]}" "${server_switches[floor]}"
cost_row "  resident memory after the play, MiB" "${rss_play[silent]}" "${rss_play[floor]}" 2
