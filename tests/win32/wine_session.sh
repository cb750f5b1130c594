#!/usr/bin/env bash
# One Wine session for the Windows tests: a fresh prefix, a virtual X display
# with a window manager (without one Wine's windows get no frame and keyboard
# focus goes astray), and the programs run inside it with Wine's heap checks.
#   wine_session.sh start DIR     make the session in DIR (removed first)
#   wine_session.sh run DIR CMD…  run a Windows program, or any command, in it;
#                                 it fails when Wine warns of the heap
#   wine_session.sh stop DIR      end everything the session started
set -euo pipefail
action=$1 dir=$2
shift 2

use_session() {
    [ -f "$dir/env" ] || { echo "no Wine session in $dir: its start failed or was not run" >&2; exit 1; }
    # shellcheck disable=SC1091
    . "$dir/env"
    # Wine says nothing but what its heap checks find: a block freed twice, a
    # write past its end.
    export DISPLAY WINEPREFIX WINEARCH=win64 WINEDEBUG=-all,warn+heap WINEDLLOVERRIDES="mscoree,mshtml="
}

make_prefix() {
    timeout 300 wineboot --init >"$dir/wineboot.log" 2>&1 && timeout 120 wineserver -w
}

case $action in
start)
    for tool in wine wineboot wineserver Xvfb openbox; do
        command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
    done
    [ -f /usr/share/wine/fonts/marlett.ttf ] || { echo "fonts-wine is not installed" >&2; exit 1; }
    rm -rf "$dir"
    mkdir -p "$dir"
    exec 3>"$dir/display"
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$dir/xvfb.log" 2>&1 &
    echo $! >"$dir/xvfb.pid"
    for _ in $(seq 100); do [ -s "$dir/display" ] && break; sleep 0.1; done
    [ -s "$dir/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
    printf 'DISPLAY=:%s\nWINEPREFIX=%s\n' "$(cat "$dir/display")" "$dir/prefix" >"$dir/env"
    use_session
    setsid openbox >"$dir/openbox.log" 2>&1 &
    echo $! >"$dir/openbox.pid"
    # Mono and Gecko are not wanted: without the overrides Wine offers to
    # install them in a dialog that nobody answers.
    # The first wineboot in a new prefix now and then makes the prefix and
    # then fails to start itself ("ShellExecuteEx failed"); the prefix is
    # made by then, and a second run finds it.
    for attempt in 1 2 3; do
        make_prefix && break
        echo "Wine could not start in its new prefix (attempt $attempt); it said:" >&2
        sed 's/^/    /' "$dir/wineboot.log" >&2
        [ "$attempt" -lt 3 ] || exit 1
    done
    # Wine's own fonts (fonts-wine) draw the caption buttons' symbols and "MS
    # Sans Serif". Debian's Wine 8 does not look where that package puts them,
    # so the prefix's font folder gets them.
    ln -s /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
    ;;
run)
    use_session
    case $1 in
        *.exe) set -- wine "$@" ;;
    esac
    # What the program writes to stderr is passed on and kept, for a look at
    # the heap checks' warnings afterwards.
    said=$(mktemp)
    trap 'rm -f "$said"' EXIT
    status=0
    { "$@" 2>&1 1>&3 3>&- | tee "$said" >&2; } 3>&1 || status=$?
    if grep -q 'warn:heap' "$said"; then
        echo "FAIL: Wine's heap checks warned while $* ran (see above)" >&2
        exit 1
    fi
    exit "$status"
    ;;
stop)
    if [ -f "$dir/env" ]; then
        use_session
        timeout 30 wineserver -k || true
    fi
    for pid in "$dir"/*.pid; do
        [ -f "$pid" ] && kill "$(cat "$pid")" 2>/dev/null || true
    done
    rm -rf "$dir"
    ;;
*)
    echo "usage: wine_session.sh start|run|stop DIR [COMMAND…]" >&2
    exit 2
    ;;
esac
