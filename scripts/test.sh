#!/usr/bin/env bash
# Sets everything up, then builds and runs every test, plainly, under the
# address and undefined-behaviour sanitizers, built by Clang, and for the
# Windows program under Wine, and the browser version under node and in
# headless Chromium, with compiler warnings as errors (the presets
# alone only show them).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
for preset in default asan clang windows web; do
    echo "== $preset"
    cmake --preset "$preset" -DVERMILO_WERROR=ON >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
