#!/usr/bin/env bash
# The test command: installs what is missing, builds every preset and runs
# every test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

cmake --preset linux
cmake --build --preset linux
ctest --preset linux

# The same suites under AddressSanitizer, UBSan and LeakSanitizer, the
# answer fuzzer for half a minute, and static analysis.
cmake --preset linux-asan
cmake --build --preset linux-asan
ctest --preset linux-asan
fuzz/run.sh 30
scripts/analyse.sh

# The shipped Windows program is 32-bit. Where this machine cannot run
# 32-bit code (a kernel without IA-32 emulation), its suites run in the
# 64-bit build of the same sources instead; the 32-bit build is still built
# and its executable checked.
cmake --preset windows-x86
cmake --build --preset windows-x86
. cmake/wine-loaders.sh
[ -x "$wine32" ] || { echo "no 32-bit Wine loader at $wine32" >&2; exit 1; }
if "$wine32" --version >/dev/null 2>&1; then
  # Wine, told which Windows to be (its own default is 7 in Wine 8, 10 in
  # Wine 10): Windows 10, then the suites again without the soak as XP and
  # as 7, each in a prefix of its own.
  TENGLAMA_WINE_WINDOWS=win10 scripts/wine-session.sh "$PWD/build/windows-x86/wineprefix" ctest --preset windows-x86
  for windows in winxp win7; do
    TENGLAMA_WINE_WINDOWS=$windows scripts/wine-session.sh "$PWD/build/windows-x86/wineprefix-$windows" \
      ctest --preset "windows-x86-$windows" --label-exclude soak
  done
else
  echo "note: this machine cannot run 32-bit programs; running the Windows suites in the 64-bit build"
  ctest --preset windows-x86 --label-regex host
  cmake --preset windows-x64
  cmake --build --preset windows-x64
  scripts/wine-session.sh "$PWD/build/windows-x64/wineprefix" ctest --preset windows-x64 --label-exclude host
fi

# The web page, built by Emscripten and tested in headless Chromium.
cmake --preset web
cmake --build --preset web
ctest --preset web

# The release files: the .deb, the Windows and web zips and tenglama.exe,
# built, checked and listed in build/packages/SHA256SUMS; then built twice
# more from scratch in other folders, to show the same bytes come out.
packaging/check.sh
scripts/check-reproducible.sh
