#!/bin/sh
# `cmake --install` lays out the program, its menu entry and its icons as a
# desktop (and a package built from the install) expects them.
build_dir="$1"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build_dir" --prefix "$prefix" >/dev/null || exit 1

status=0
expect() { [ -s "$prefix/$1" ] || { echo "missing: $1"; status=1; }; }
expect bin/tenglama
expect share/applications/tenglama.desktop
expect share/icons/hicolor/scalable/apps/tenglama.svg
for size in 16 22 24 32 48 64 128 256; do
  icon="share/icons/hicolor/${size}x${size}/apps/tenglama.png"
  expect "$icon"
  [ "$(identify -format '%m %wx%h' "$prefix/$icon" 2>/dev/null)" = "PNG ${size}x${size}" ] ||
    { echo "not a $size px PNG: $icon"; status=1; }
done
for line in "Name=Tenglama" "Exec=tenglama" "Icon=tenglama" "Categories=Education;Math;"; do
  grep -qx "$line" "$prefix/share/applications/tenglama.desktop" || { echo "desktop entry lacks $line"; status=1; }
done
exit $status
