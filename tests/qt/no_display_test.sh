#!/bin/sh
# Started with no display, or with one that cannot be reached, the program
# says so in one line on stderr and exits with status 1, instead of
# letting the toolkit abort with a dump.
program="$1"
status=0
check() {
  errors=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" 2>&1 >/dev/null)
  code=$?
  [ "$code" -eq 1 ] || { echo "$*: exit status $code, expected 1"; status=1; }
  [ "$(printf '%s\n' "$errors" | wc -l)" -eq 1 ] || { echo "$*: expected one line, got: $errors"; status=1; }
  case "$errors" in
    *displey*) ;;
    *) echo "$*: unexpected message: $errors"; status=1 ;;
  esac
}
check
check DISPLAY=:999
exit $status
