#!/usr/bin/env bash
# Builds the installer and the zip, installs the game with the installer in the
# Wine session, checks what a player gets, and uninstalls it again.
#   installer.sh BUILD_DIR WINE_SESSION_DIR
set -euo pipefail
build=$1 session=$2
here=$(dirname "$0")
in_wine() { timeout 120 "$here/wine_session.sh" run "$session" "$@"; }
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack >cpack.log 2>&1) || { cat "$build/cpack.log"; fail "cpack failed"; }
installer=$(ls "$build"/vermilo-*-windows-x64.exe)
zip=$(ls "$build"/vermilo-*-windows-x64.zip)
echo "installer $(basename "$installer"): $(stat -c %s "$installer") bytes;" \
     "zip $(basename "$zip"): $(stat -c %s "$zip") bytes"

contents=$(python3 -m zipfile -l "$zip")
for file in vermilo.exe LICENSE.txt; do
    grep -q "/$file " <<<"$contents" || fail "the zip holds no $file"
done

. "$session/env"
folder="$WINEPREFIX/drive_c/Program Files/Vermilo"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Vermilo"
in_wine wine "$installer" /S || fail "the silent install failed"
for file in "$folder/vermilo.exe" "$folder/LICENSE.txt" "$folder/Uninstall.exe" "$menu/Vermilo.lnk"; do
    [ -f "$file" ] || fail "not installed: ${file#"$WINEPREFIX/"}"
done
strings -a "$menu/Vermilo.lnk" | grep -qxF 'C:\Program Files\Vermilo\vermilo.exe' ||
    fail "the Start-menu shortcut does not lead to the installed vermilo.exe"

in_wine wine 'C:\Program Files\Vermilo\Uninstall.exe' /S '_?=C:\Program Files\Vermilo' ||
    fail "the silent uninstall failed"
in_wine wineserver -w
for file in "$folder/vermilo.exe" "$folder/LICENSE.txt" "$menu/Vermilo.lnk"; do
    [ ! -e "$file" ] || fail "left behind by the uninstaller: ${file#"$WINEPREFIX/"}"
done
echo "installed vermilo.exe, LICENSE.txt, the uninstaller and the Start-menu shortcut; uninstalled them"
