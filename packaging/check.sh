#!/usr/bin/env bash
# Makes the release files from the linux, windows-x86 and web builds
# (already configured by the test command) and checks what each one holds.
set -euo pipefail
cd "$(dirname "$0")/.."

packaging/release.sh
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/linux/CMakeCache.txt)
packaging/check_deb.sh "build/packages/tenglama_${version}_$(dpkg --print-architecture).deb"
packaging/check_zip.sh "build/packages/tenglama-${version}-win32.zip" build/windows-x86/tenglama.exe
packaging/web/check_zip.sh "build/packages/tenglama-${version}-web.zip" build/web
(cd build/packages && sha256sum --check --strict SHA256SUMS)
ls -l build/packages/*.deb build/packages/*.zip build/packages/tenglama.exe
