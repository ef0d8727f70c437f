#!/bin/sh
# Started with no display at all, the program says so in one line on
# stderr and fails, instead of letting the toolkit abort.
program="$1"
errors=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1 >/dev/null)
status=$?
[ "$status" -ne 0 ] || { echo "exit status 0 without a display"; exit 1; }
[ "$(printf '%s\n' "$errors" | wc -l)" -eq 1 ] || { echo "expected one line, got: $errors"; exit 1; }
case "$errors" in
  *displey*) ;;
  *) echo "unexpected message: $errors"; exit 1 ;;
esac
