#!/bin/sh
# Runs one Windows program under Wine, in a prefix kept inside the build tree
# (WINEPREFIX is set by the test presets) so runs never touch ~/.wine.
set -e
. "$(dirname "$0")/wine-loaders.sh"
export WINEDEBUG="${WINEDEBUG:--all}"
case "$(od -An -tx1 -j"$(($(od -An -tu4 -j60 -N4 "$1")+24))" -N2 "$1" | tr -d ' \n')" in
  0b02) exec "$wine64" "$@" ;;   # PE32+ optional header
  *) exec "$wine32" "$@" ;;
esac
