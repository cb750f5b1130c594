#!/usr/bin/env bash
# Installs the game into a scratch root, builds its Debian package, and checks
# both with the desktop's own validators: the entry, the metainfo, the icons,
# the package's file list and its dependencies.
set -u
build=$1
source=$2
app_id=example.vermilo.Vermilo
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
. "$(dirname "$0")/checks.sh"

contains() { grep -qxF -- "$2" "$1"; }

check "the desktop entry passes desktop-file-validate" \
    desktop-file-validate "$source/app/desktop/$app_id.desktop"
check "the metainfo passes appstreamcli validate" \
    appstreamcli validate --no-net "$build/app/$app_id.metainfo.xml"

DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >/dev/null
(cd "$scratch/root" && find . -type f | sed 's|^\.||' | sort) >"$scratch/installed"
for file in /usr/bin/vermilo "/usr/share/applications/$app_id.desktop" \
    "/usr/share/metainfo/$app_id.metainfo.xml" "/usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
    /usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/$app_id.png; do
    check "the install step installs $file" contains "$scratch/installed" "$file"
done

(cd "$build" && cpack -G DEB -B "$scratch/package" >/dev/null 2>&1)
deb=$(ls "$scratch"/package/vermilo_*.deb 2>/dev/null | head -1)
check "cpack builds a Debian package" test -f "$deb"
if [ -f "$deb" ]; then
    dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $NF}' | sed 's|^\.||' | sort >"$scratch/packaged"
    check "the package holds exactly what the install step installs" \
        diff "$scratch/installed" "$scratch/packaged"
    dpkg-deb -f "$deb" Depends >"$scratch/depends"
    dpkg-deb -f "$deb" Recommends >"$scratch/recommends"
    check "the package depends on Qt's widgets" grep -q 'libqt6widgets6' "$scratch/depends"
    check "the package recommends the sound server's client" grep -q 'libpulse0' "$scratch/recommends"
    check "the package depends on the X11 platform plugin" grep -q 'qt6-qpa-plugins' "$scratch/depends"
    check "the package recommends the score's font" grep -q 'fonts-ocr-a' "$scratch/recommends"
    check "the package's version is the game's" test "$(dpkg-deb -f "$deb" Version)" = 1.1.0.3
fi

finish_checks
