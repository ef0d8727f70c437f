#!/usr/bin/env bash
# Builds the release packages from the linux, windows-x86 and web builds
# (already configured by the test command) and checks what each one holds.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --build --preset linux
cmake --build --preset windows-x86
cmake --build --preset web
# A package left from an earlier run must not stand in for a failed one.
rm -f build/packages/tenglama_*.deb build/packages/tenglama-*.zip
cpack --preset linux
cpack --preset windows-x86
cpack --preset web

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/linux/CMakeCache.txt)
packaging/check_deb.sh "build/packages/tenglama_${version}_$(dpkg --print-architecture).deb"
packaging/check_zip.sh "build/packages/tenglama-${version}-win32.zip" build/windows-x86/tenglama.exe
packaging/web/check_zip.sh "build/packages/tenglama-${version}-web.zip" build/web
ls -l build/packages/*.deb build/packages/*.zip
