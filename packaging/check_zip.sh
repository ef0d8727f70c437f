#!/usr/bin/env bash
# Checks the Windows zip: exactly the program and its README at the top, the
# program the 32-bit build made (a PE32 GUI executable), the README with
# Windows line endings.
# Usage: check_zip.sh PACKAGE.zip BUILT.exe
set -euo pipefail
zip="$1"
built_exe="$2"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "$zip: $*" >&2; exit 1; }

unzip -l "$zip"
[ "$(unzip -Z1 "$zip" | sort | paste -sd' ')" = "README.txt tenglama.exe" ] ||
  fail "should hold exactly README.txt and tenglama.exe"
unzip -q -d "$scratch" "$zip"

cmp -s "$scratch/tenglama.exe" "$built_exe" || fail "tenglama.exe is not $built_exe"
# file(1) words it "PE32 executable (GUI) Intel 80386" up to 5.44 and
# "PE32 executable for MS Windows 4.00 (GUI), Intel i386" from 5.46 on.
file -b "$scratch/tenglama.exe" | grep -Eq '^PE32 executable .*\(GUI\),? Intel (80386|i386)' ||
  fail "tenglama.exe is not a 32-bit Windows GUI program: $(file -b "$scratch/tenglama.exe")"
[ "$(file -b "$scratch/README.txt")" = "ASCII text, with CRLF line terminators" ] ||
  fail "README.txt is not plain ASCII with CRLF endings: $(file -b "$scratch/README.txt")"
echo "$zip: ok"
