#!/bin/sh
# Where no window can open (no display, one that cannot be reached, a
# platform plugin that is missing), the program says why in one Uzbek line
# on stderr and exits with status 1, instead of letting the toolkit abort
# with a dump.
program="$1"
status=0
check() {
  expected="$1"; shift
  errors=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" 2>&1 >/dev/null)
  code=$?
  [ "$code" -eq 1 ] || { echo "$*: exit status $code, expected 1"; status=1; }
  [ "$(printf '%s\n' "$errors" | wc -l)" -eq 1 ] || { echo "$*: expected one line, got: $errors"; status=1; }
  case "$errors" in
    *"$expected"*) ;;
    *) echo "$*: unexpected message: $errors"; status=1 ;;
  esac
}
check "displey topilmadi"
check ":999 displeyiga ulanib bo'lmadi" DISPLAY=:999
check "«nosuchplugin» grafik platformasi topilmadi" QT_QPA_PLATFORM=nosuchplugin
exit $status
