#!/usr/bin/env bash
# Runs a command (a ctest run, a program) for Wine on a private virtual
# display with a small window manager, so Wine activates and focuses windows
# as a desktop would. Usage: wine-session.sh PREFIX_DIR COMMAND...
# With TENGLAMA_WINE_WINDOWS set (winxp, win7, win10...), Wine in that prefix
# says it is that version of Windows.
set -euo pipefail
. "$(dirname "$0")/../cmake/wine-loaders.sh"
prefix="$1"; shift
export WINEPREFIX="$prefix" WINEDEBUG="${WINEDEBUG:--all}" wine64
mkdir -p "$prefix"

inner=$(cat <<'INNER'
set -e
openbox >/dev/null 2>&1 &
wm=$!
# First start of a prefix takes a while; do it before anything is timed.
# Through the 64-bit loader: it runs whether or not 32-bit programs can.
"$wine64" wineboot -i >/dev/null 2>&1 || true
wineserver -w
# Set in the registry, as winecfg would: winecfg refuses winxp in a prefix
# that also runs 64-bit programs, where 32-bit ones still take it.
if [ -n "${TENGLAMA_WINE_WINDOWS:-}" ]; then
  "$wine64" reg add 'HKCU\Software\Wine' /v Version /d "$TENGLAMA_WINE_WINDOWS" /f >/dev/null
  wineserver -w
fi
status=0
"$@" || status=$?
wineserver -k || true
kill $wm 2>/dev/null || true
exit $status
INNER
)
exec xvfb-run -a -s "-screen 0 1024x768x24" bash -c "$inner" wine-session "$@"
