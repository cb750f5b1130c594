#!/usr/bin/env bash
# The instructions and about windows opened on a screen of 144 dots per inch,
# which Wine reports for every screen once the desktop's LogPixels says so:
# each lays itself out at that screen's whole factor. The setting is taken
# back afterwards, for the session's other tests.
#   dense_screen.sh WIN32_TESTS.EXE
# Run inside the Wine session (wine_session.sh run).
set -euo pipefail
key='HKCU\Control Panel\Desktop'
wine reg add "$key" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null
trap 'wine reg delete "$key" /v LogPixels /f >/dev/null' EXIT
said=$(wine "$1" --gtest_filter='*SmallWindows.opensAtTheScaleOfTheScreenItIsOn*')
echo "$said"
opened=$(grep -c ' at 144 dpi: scale 2,' <<<"$said" || true)
[ "$opened" = 2 ] || { echo "FAIL: $opened of the 2 windows opened at 144 dpi"; exit 1; }
