#!/usr/bin/env bash
# Checks the web zip: exactly the page's files at the top, each the one the
# build made.
# Usage: check_zip.sh PACKAGE.zip BUILD_DIR
set -euo pipefail
zip="$1"
built="$2"
files="icon-192.png icon-512.png icon.svg index.html manifest.webmanifest style.css sw.js tenglama.js tenglama.wasm"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "$zip: $*" >&2; exit 1; }

unzip -l "$zip"
[ "$(unzip -Z1 "$zip" | sort | paste -sd' ')" = "$files" ] || fail "should hold exactly: $files"
unzip -q -d "$scratch" "$zip"
for file in $files; do
  cmp -s "$scratch/$file" "$built/$file" || fail "$file is not $built/$file"
done
echo "$zip: ok"
