#!/usr/bin/env bash
# Start-up time on Wayland, from starting a program to sway mapping its window,
# and the graphics libraries the program has mapped by then, on a headless sway
# (as nobody when run as root, which sway refuses to be). Several programs are
# started in turn, so a busy machine slows each of them alike.
#   bench/wayland_startup.sh PROGRAM…      VERMILO_STARTS (20)
set -euo pipefail
starts=${VERMILO_STARTS:-20}
scratch=$(mktemp -d -p /tmp)
trap 'kill "$sway" 2>/dev/null; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
mkdir -m 700 "$scratch/run"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    chown nobody:nogroup "$scratch/run"
fi
programs=()
for program in "$@"; do
    programs+=("$scratch/program-${#programs[@]}")
    install -m 755 "$program" "${programs[-1]}"
done
printf 'output HEADLESS-1 resolution 1280x800\n' >"$scratch/sway.conf"
chmod 644 "$scratch/sway.conf"
in_session() {
    "${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$scratch/run" XDG_RUNTIME_DIR="$scratch/run" \
        WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 "$@"
}
in_session sway -c "$scratch/sway.conf" >"$scratch/sway.log" 2>&1 &
sway=$!
for _ in $(seq 100); do ls "$scratch"/run/wayland-[0-9] >/dev/null 2>&1 && break; sleep 0.1; done
display=$(basename "$(ls "$scratch"/run/wayland-[0-9])")
socket=$(ls "$scratch"/run/sway-ipc.*.sock)

# Starts the program once: prints the milliseconds until its window is mapped
# and, at that moment, the graphics libraries it has mapped.
cat >"$scratch/start.py" <<'EOF'
import json, os, re, subprocess, sys, time
watch = subprocess.Popen(["swaymsg", "-r", "-m", "-t", "subscribe", '["window"]'],
                         stdout=subprocess.PIPE, text=True)
time.sleep(0.3)
start = time.monotonic()
game = subprocess.Popen([sys.argv[1]], stderr=subprocess.DEVNULL)
for line in watch.stdout:
    if json.loads(line).get("change") == "new":
        break
ms = (time.monotonic() - start) * 1000
with open("/proc/%d/maps" % game.pid) as maps:
    graphics = sorted({os.path.basename(l.split()[-1]) for l in maps
                       if re.search(r"libEGL_|/dri/|libgbm|wayland-graphics-integration", l)})
game.kill(); watch.kill()
print("%.1f %s" % (ms, ",".join(graphics) or "none"))
EOF
chmod 644 "$scratch/start.py"

for _ in $(seq "$starts"); do
    for i in "${!programs[@]}"; do
        in_session WAYLAND_DISPLAY="$display" SWAYSOCK="$socket" \
            python3 "$scratch/start.py" "${programs[i]}" >>"$scratch/times-$i"
    done
done
for i in "${!programs[@]}"; do
    echo "$1: start-up to the window mapped over $starts starts, ms:" \
        "$(cut -d' ' -f1 "$scratch/times-$i" | sort -n | awk '{v[NR] = $1}
            END {printf "median %.1f (%.1f to %.1f)", (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2), v[1], v[NR]}')"
    echo "    graphics libraries mapped: $(cut -d' ' -f2 "$scratch/times-$i" | sort -u | paste -sd' ')"
    shift
done
