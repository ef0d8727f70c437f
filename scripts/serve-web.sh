#!/usr/bin/env bash
# Builds the web page (preset web) and serves build/web/ on this machine
# only, printing the address to open. Ctrl+C stops it.
# Usage: scripts/serve-web.sh [PORT]   (default 8000)
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset web >/dev/null
cmake --build --preset web
exec python3 scripts/web-server.py build/web "${1:-8000}"
