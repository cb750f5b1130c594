#!/usr/bin/env bash
# Sets everything up, builds the game and starts it. With --web, builds the
# browser version and serves it on this machine only (VERMILO_PORT, or 8000).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ "${1:-}" = --web ]; then
    cmake --preset web >/dev/null
    cmake --build --preset web --target web_site
    port=${VERMILO_PORT:-8000}
    echo "Vermilo is at http://127.0.0.1:$port/ (Ctrl+C stops the server)"
    exec /usr/bin/python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web/site
fi
cmake --preset default >/dev/null
cmake --build --preset default --target vermilo
exec build/default/app/vermilo
