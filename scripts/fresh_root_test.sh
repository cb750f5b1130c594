#!/usr/bin/env bash
# Runs the README's test command as a new user would, on a fresh Debian 12: a
# root made by debootstrap (bookworm, minbase), a clean clone of this
# repository's HEAD in it, and scripts/test.sh run there, which installs what
# it needs. Prints how long each step took. Run as root on a Debian machine;
# it installs debootstrap on the host when missing.
#   scripts/fresh_root_test.sh [FOLDER]   the root is made in FOLDER (a new
#                                         temporary folder by default) and
#                                         removed afterwards
set -euo pipefail
[ "$(id -u)" -eq 0 ] || { echo "fresh_root_test.sh makes a root with debootstrap: run it as root" >&2; exit 1; }
source=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
root=${1:-$(mktemp -d -p /var/tmp vermilo-root.XXXXXX)}
# A root folder is open to every user, as on any installed system: the
# Wayland test runs its compositor as nobody.
chmod 755 "$root"
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}

mounted=()
cleanup() {
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" || true; done
    # Only once nothing is mounted in it any more.
    if ! grep -q " $root/" /proc/mounts; then rm -rf "$root"; fi
}
trap cleanup EXIT
mount_in_root() { # TYPE SOURCE PATH [OPTIONS]
    mkdir -p "$root$3"
    mount -t "$1" ${4:+-o "$4"} "$2" "$root$3"
    mounted+=("$root$3")
}
took() { echo "== $1: $(($2 / 60)) min $(($2 % 60)) s"; }

command -v debootstrap >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap

start=$SECONDS
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
    { tail -20 "$root.debootstrap.log"; exit 1; }
rm -f "$root.debootstrap.log"
took "debootstrap" $((SECONDS - start))

# What the tests need of a running system: processes, devices, terminals for
# the compositors, shared memory for the X servers and Wine.
mount_in_root proc proc /proc
mount_in_root sysfs sys /sys
mount_in_root none /dev /dev bind
mount_in_root none /dev/pts /dev/pts bind
mount_in_root tmpfs shm /dev/shm mode=1777
cp /etc/resolv.conf "$root/etc/resolv.conf"
# Packages installed into the root start no services on the host's behalf.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"
git clone -q --no-hardlinks "$source" "$root/root/vermilo"
git -C "$root/root/vermilo" checkout -q "$(git -C "$source" rev-parse HEAD)"

start=$SECONDS
status=0
chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 CI=true \
    /bin/bash -c 'cd /root/vermilo && scripts/test.sh' || status=$?
took "scripts/test.sh (exit status $status)" $((SECONDS - start))
exit "$status"
