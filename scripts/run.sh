#!/usr/bin/env bash
# The run command: installs what the Linux window needs, builds the program
# alone (preset linux-app: no tests, icons or packages) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake --preset linux-app >/dev/null
cmake --build --preset linux-app
exec build/linux-app/tenglama
