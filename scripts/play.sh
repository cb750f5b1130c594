#!/usr/bin/env bash
# Sets everything up, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target vermilo
exec build/default/app/vermilo
