#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages one command needs, only those that are
# missing; with nothing missing it touches neither apt nor the network.
# Uses sudo only when not already root. Never upgrades what is installed.
# Usage: install-deps.sh run|test
#   run    the Linux window alone (scripts/run.sh)
#   test   everything the test command builds, runs and analyses
#          (scripts/test.sh), which is also all bench/run.sh needs
# TENGLAMA_APT_RETRY_PAUSE (seconds, default 5) is the first pause before
# fetching the package lists again; each later pause is three times longer.
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
  ccache                                             # one compiler cache for the test command's many builds
  g++-mingw-w64-i686 g++-mingw-w64-x86-64            # the Windows program
  wine wine64                                        # running it here (32-bit Wine: its own step, below)
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
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"; }

# The package lists, fetched once a run. The archive can be mid-sync, or
# one source of the machine's own unreachable: a list that still fails
# after a few tries is named, and the install goes on with what apt has,
# failing only where a package it needs truly cannot be had.
updated= failed_lists=
update() {
  [ -n "$updated" ] && return
  updated=1
  # 32-bit Wine (below) needs the i386 lists: asked for in the same fetch.
  if [ "$set_name" = test ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
  fi
  local pause="${TENGLAMA_APT_RETRY_PAUSE:-5}" try output
  for try in 1 2 3; do
    if output=$(as_root apt-get update -q 2>&1); then
      failed_lists=
      return
    fi
    # apt names each list it could not fetch on an "E: Failed to fetch" line.
    failed_lists=$(sed -n 's/^E: Failed to fetch \([^ ]*\).*/\1/p' <<<"$output" | sort -u | paste -sd ' ')
    [ -n "$failed_lists" ] || failed_lists="(apt named none: $(grep -m 1 '^E:' <<<"$output" || echo "exit status not 0"))"
    [ "$try" = 3 ] || { sleep "$pause"; pause=$((pause * 3)); }
  done
  echo "note: package lists not fetched after 3 tries, going on with those apt has: $failed_lists"
}

install() {
  local missing=() package
  for package in "$@"; do installed "$package" || missing+=("$package"); done
  [ ${#missing[@]} -eq 0 ] && return
  echo "Installing: ${missing[*]}"
  update
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}
install "${packages[@]}"
[ "$set_name" = run ] && exit 0

# The sanitizer and libFuzzer runtime of the clang that `clang` depends on
# (clang-14 on Debian 12, clang-19 on Debian 13).
clang=$(dpkg-query -W -f='${Depends}' clang | grep -o 'clang-[0-9]\+' | head -n 1)
install "libclang-rt-${clang#clang-}-dev"

# 32-bit Wine runs the shipped 32-bit program, where the kernel can run
# 32-bit code at all. It is optional: without it the Windows suites run on
# the 64-bit twin (scripts/test.sh), so a refusal here is said, not fatal.
installed wine32:i386 && exit 0
update
echo "Installing: wine32:i386"
if refusal=$(as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends wine32:i386 2>&1); then
  exit 0
fi
# Why, in one line. Debian wants each i386 library at the version of its
# amd64 twin, which a machine behind the archive cannot give.
why=()
grep -q 'i386' <<<"$failed_lists" && why+=("the archive's i386 package lists could not be fetched")
behind=$(apt-get -s -q upgrade 2>/dev/null | grep -c '^Inst ' || true)
[ "${behind:-0}" -gt 0 ] &&
  why+=("this machine's packages are older than the archive's ($behind can be upgraded) and each 32-bit library must match its 64-bit twin: run \`sudo apt-get upgrade\`, then this command again")
[ ${#why[@]} -gt 0 ] || why=("$(grep -m 1 '^E:' <<<"$refusal" || echo "apt-get refused it")")
reasons=$(printf '%s; ' "${why[@]}")
echo "note: 32-bit Wine (wine32:i386) not installed: ${reasons%; }. The Windows suites will run on the 64-bit twin instead."
