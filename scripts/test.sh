#!/usr/bin/env bash
# Sets everything up, then builds and runs every test, plainly, under the
# address and undefined-behaviour sanitizers, and for the Windows program
# under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
for preset in default asan windows; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
