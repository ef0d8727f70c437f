#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages the build and the tests need, only
# those that are missing. Uses sudo only when not already root.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang-format
  qt6-base-dev libgl-dev fonts-dejavu-core          # the Linux window
  libgtest-dev googletest libbenchmark-dev           # tests and benchmarks
  g++-mingw-w64-i686 g++-mingw-w64-x86-64            # the Windows program
  wine wine64 wine32:i386                            # running it here
  xvfb xauth openbox x11-utils xdotool imagemagick   # a virtual display to test on
  librsvg2-bin icoutils python3                      # icons from the SVG source; checking the .exe
  clang libclang-rt-14-dev                           # the fuzzer and its sanitizers
  clang-tidy cppcheck                                # static analysis
  dpkg-dev file unzip                                # building and opening the packages
  lintian desktop-file-utils appstream               # and their validators
  libx11-dev libxdamage-dev                          # the start-up timer (bench/)
  emscripten chromium python3-websocket              # the web page and its browser tests
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
echo "Installing: ${missing[*]}"
dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
as_root apt-get update -q
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
