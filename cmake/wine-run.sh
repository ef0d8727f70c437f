#!/bin/sh
# Runs one Windows program under Wine, in a prefix kept inside the build tree
# (WINEPREFIX is set by the test presets) so runs never touch ~/.wine.
set -e
export WINEDEBUG="${WINEDEBUG:--all}"
case "$(od -An -tx1 -j"$(($(od -An -tu4 -j60 -N4 "$1")+24))" -N2 "$1" | tr -d ' \n')" in
  0b02) exec /usr/lib/wine/wine64 "$@" ;;   # PE32+ optional header
  *) exec /usr/lib/wine/wine "$@" ;;
esac
