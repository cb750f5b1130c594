#!/usr/bin/env bash
# Installs the game into a scratch root, builds its Debian package, and checks
# both with the desktop's own validators and Debian's: the entry, the metainfo,
# the icons, the program's hardening, the package's file list, dependencies,
# lintian's verdict and its checksum.
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
for file in /usr/games/vermilo "/usr/share/applications/$app_id.desktop" \
    "/usr/share/metainfo/$app_id.metainfo.xml" "/usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
    /usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/$app_id.png; do
    check "the install step installs $file" contains "$scratch/installed" "$file"
done
# Control-flow marks are left out: Debian 12 does not build with them, and its
# C start-up files carry none, so no program linked on it has them. Fortified
# calls are looked for in the compile commands instead: the program's copies
# all have sizes known only at run time, which fortifying leaves to the plain
# memcpy, memmove and memset, so hardening-check finds no fortified call.
check "the installed program has Debian's hardening (hardening-check)" \
    hardening-check --nocfprotection --nofortify "$scratch/root/usr/games/vermilo"
case $(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$build/CMakeCache.txt") in
Release | RelWithDebInfo | MinSizeRel)
    check "every source is compiled with fortified calls" \
        sh -c "! grep '\"command\"' '$build/compile_commands.json' | grep -qv -- -D_FORTIFY_SOURCE=2"
    ;;
esac

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
    check "the changelog's latest entry is the package's version" test \
        "$(dpkg-parsechangelog -l "$source/cmake/debian/changelog" -S Version)" = \
        "$(dpkg-deb -f "$deb" Version)"
    check "lintian finds no error in the package" lintian --fail-on error "$deb"
    check "SHA256SUMS beside the package holds its checksum" \
        sh -c "cd '$scratch/package' && grep -q ' $(basename "$deb")\$' SHA256SUMS && sha256sum -c SHA256SUMS"
fi

finish_checks
