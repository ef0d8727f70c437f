#!/usr/bin/env bash
# The run command: installs what is missing, builds the Linux program and
# starts its window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset linux
cmake --build --preset linux
exec build/linux/tenglama
