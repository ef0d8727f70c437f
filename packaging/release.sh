#!/usr/bin/env bash
# Makes the release files in build/packages/ from the linux, windows-x86 and
# web builds (configured already): the .deb, the Windows and web zips,
# tenglama.exe on its own, and SHA256SUMS, which lists them all.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --build --preset linux
cmake --build --preset windows-x86
cmake --build --preset web
# A package left from an earlier run must not stand in for a failed one.
rm -f build/packages/tenglama_*.deb build/packages/tenglama-*.zip build/packages/tenglama.exe \
  build/packages/SHA256SUMS
cpack --preset linux
cpack --preset windows-x86
cpack --preset web
cp build/windows-x86/tenglama.exe build/packages/
cd build/packages
LC_ALL=C sha256sum tenglama_*.deb tenglama-*.zip tenglama.exe >SHA256SUMS
cat SHA256SUMS
