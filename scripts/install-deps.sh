#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages one command needs, only those that are
# missing; with nothing missing it touches neither apt nor the network.
# Uses sudo only when not already root.
# Usage: install-deps.sh run|test
#   run    the Linux window alone (scripts/run.sh)
#   test   everything the test command builds, runs and analyses
#          (scripts/test.sh), which is also all bench/run.sh needs
set -euo pipefail
set_name="${1:?usage: install-deps.sh run|test}"

# Names every supported release shares. A name that differs between
# releases is derived from what is installed (see below), never pinned.
run=(
  g++ cmake ninja-build qt6-base-dev                 # the Linux window; its fonts come with fontconfig
  unicode-data                                       # the characters a quote must not show as they are (built in)
)
test=(
  libgtest-dev googletest                            # GoogleTest: Linux package, sources for mingw-w64
  locales                                            # the comma-separator locale the number tests make
  g++-mingw-w64-i686 g++-mingw-w64-x86-64            # the Windows program
  wine wine64 wine32:i386                            # running it here
  xvfb xauth openbox xdotool                         # a virtual display to test on, resized as its manager would
  librsvg2-bin imagemagick icoutils python3          # icons from the SVG source; checking icons and the .exe
  clang                                              # the fuzzer and its sanitizers (runtime below)
  git clang-tidy cppcheck                            # static analysis of the files git tracks,
  libbenchmark-dev libx11-dev libxdamage-dev         # the benchmarks and start-up timer included
  dpkg-dev file unzip                                # building and opening the packages
  lintian desktop-file-utils appstream               # and their validators
  emscripten chromium python3-websocket              # the web page and its browser tests
  fonts-wine                                         # Wine's own fonts, nearest to Windows' metrics
)
case "$set_name" in
  run) packages=("${run[@]}") ;;
  test) packages=("${run[@]}" "${test[@]}") ;;
  *) echo "usage: install-deps.sh run|test" >&2; exit 2 ;;
esac

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
updated=
install() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return
  echo "Installing: ${missing[*]}"
  if [ -z "$updated" ]; then
    # 32-bit Wine runs the shipped 32-bit program.
    [ "$set_name" = run ] || dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
    as_root apt-get update -q
    updated=1
  fi
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}
install "${packages[@]}"

# The sanitizer and libFuzzer runtime of the clang that `clang` depends on
# (clang-14 on Debian 12, clang-19 on Debian 13).
if [ "$set_name" != run ]; then
  clang=$(dpkg-query -W -f='${Depends}' clang | grep -o 'clang-[0-9]\+' | head -n 1)
  install "libclang-rt-${clang#clang-}-dev"
fi
