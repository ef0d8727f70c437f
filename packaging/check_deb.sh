#!/usr/bin/env bash
# Checks a built .deb: Debian's, the desktop's and AppStream's validators
# pass, it holds exactly the installed files, dpkg-shlibdeps found the Qt
# libraries, and the program installed from it starts.
# Usage: check_deb.sh PACKAGE.deb
set -euo pipefail
deb="$1"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root="$scratch/root"
dpkg-deb -x "$deb" "$root"
fail() { echo "$deb: $*" >&2; exit 1; }

lintian --fail-on error "$deb"
desktop-file-validate "$root/usr/share/applications/tenglama.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.tenglama.Tenglama.metainfo.xml"

expected=(
  usr/bin/tenglama
  usr/share/applications/tenglama.desktop
  usr/share/doc/tenglama/changelog.gz
  usr/share/doc/tenglama/copyright
  usr/share/icons/hicolor/scalable/apps/tenglama.svg
  usr/share/man/man1/tenglama.1.gz
  usr/share/metainfo/io.github.tenglama.Tenglama.metainfo.xml)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/tenglama.png")
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . -type f -printf '%P\n' | sort) ||
  fail "holds other files than the install's (< expected, > found)"

# The software centre finds the menu entry through the metadata's launchable.
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' \
  "$root/usr/share/metainfo/io.github.tenglama.Tenglama.metainfo.xml")
[ -f "$root/usr/share/applications/$launchable" ] || fail "launchable $launchable is not installed"

dpkg-deb --field "$deb" Depends | grep -q 'libqt6widgets6' || fail "does not depend on Qt 6 Widgets"
# The installed program must find its libraries on the system, not in a
# build tree, and carry no debugging symbols.
if readelf --dynamic "$root/usr/bin/tenglama" | grep -Eq 'RPATH|RUNPATH'; then
  fail "usr/bin/tenglama has a library search path"
fi
file -b "$root/usr/bin/tenglama" | grep -q ', stripped' || fail "usr/bin/tenglama is not stripped"

# Started with a display it stays up until it is closed: timeout's 124.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/tenglama" || status=$?
[ "$status" -eq 124 ] || fail "the installed tenglama exited with status $status instead of staying up"
echo "$deb: ok"
