#!/usr/bin/env bash
# The test command: installs what is missing, builds every preset and runs
# every test suite. Ends with the seconds each stage took.
set -euo pipefail
cd "$(dirname "$0")/.."

timings=()
times_file=$(mktemp)
report() {
  local status=$?
  [ -z "${beside_pid:-}" ] || kill "$beside_pid" 2>/dev/null || true
  rm -f "$times_file"
  [ ${#timings[@]} -eq 0 ] || printf 'stage %s\n' "${timings[@]}"
  [ "$status" -eq 0 ] || echo "FAILED in stage ${stage:-?} (exit status $status)"
}
trap report EXIT
# The processor seconds that the commands run so far have used, on every
# core, into $cpu: read in this shell, as a subshell's children are not its.
cpu_now() {
  times >"$times_file"
  cpu=$(tail -n 1 "$times_file" | tr 'ms' '  ' | awk '{ printf "%d", $1 * 60 + $2 + $3 * 60 + $4 }')
}
# stage NAME COMMAND...: runs one stage and keeps its time for the report:
# wall-clock seconds, and the processor seconds of its commands.
stage() {
  stage="$1"; shift
  local started=$SECONDS before
  cpu_now
  before=$cpu
  echo "== stage $stage"
  "$@"
  cpu_now
  timing "$stage" $((SECONDS - started)) $((cpu - before))
}
# timing NAME WALL PROCESSOR [NOTE]: one line of the report.
timing() {
  timings+=("$(printf '%-13s %5d s  (processor %5d s)%s' "$1" "$2" "$3" "${4:+  $4}")")
  last_wall=$2 last_cpu=$3
}

stage install scripts/install-deps.sh test

linux() {
  cmake --preset linux
  cmake --build --preset linux
  ctest --preset linux
}
stage linux linux

# The same suites under AddressSanitizer, UBSan and LeakSanitizer.
sanitizers() {
  cmake --preset linux-asan
  cmake --build --preset linux-asan
  ctest --preset linux-asan
}
stage sanitizers sanitizers
stage fuzz fuzz/run.sh 30

# alongside NAME COMMAND...: a stage run in the background, its output
# held until joined, so that the next stage can run beside it.
alongside() {
  beside_name="$1" beside_log=$(mktemp) beside_time=$(mktemp)
  (
    times_file=$(mktemp)
    stage "$@"
    echo "$last_wall $last_cpu" >"$beside_time"
    rm -f "$times_file"
  ) >"$beside_log" 2>&1 &
  beside_pid=$!
}
# joined: waits for the stage run alongside, shows its output and reports
# its time before the stage it ran beside, or fails as it did. Where it
# ended first, this shell counted its processor time in that stage's.
joined() {
  local status=0 ended_first=0 beside=${timings[-1]} wall cpu
  kill -0 "$beside_pid" 2>/dev/null || ended_first=1
  wait "$beside_pid" || status=$?
  beside_pid=
  cat "$beside_log"
  if read -r wall cpu <"$beside_time"; then
    unset 'timings[-1]'
    timing "$beside_name" "$wall" "$cpu" "beside the next"
    [ "$ended_first" -eq 0 ] || beside=$(echo "$beside" | awk -v less="$cpu" '{ $5 -= less; printf "%-13s %5d s  (processor %5d s)", $1, $2, $5 }')
    timings+=("$beside")
  fi
  rm -f "$beside_log" "$beside_time"
  if [ "$status" -ne 0 ]; then
    stage="$beside_name"
    exit "$status"
  fi
}
# Analysis keeps both cores busy and needs no display; the Windows suites
# mostly wait on Wine and X. So the two run side by side.
alongside analysis scripts/analyse.sh

# The shipped Windows program is 32-bit. Where this machine cannot run it
# (no 32-bit Wine installed, or a kernel without IA-32 emulation), its
# suites run in the 64-bit build of the same sources instead; the 32-bit
# build is still built and its executable checked.
windows() {
  cmake --preset windows-x86
  cmake --build --preset windows-x86
  . cmake/wine-loaders.sh
  if [ -x "$wine32" ] && "$wine32" --version >/dev/null 2>&1; then
    # Wine, told which Windows to be (its own default is 7 in Wine 8, 10 in
    # Wine 10): Windows 10 for every suite, then as XP and as 7, each in a
    # prefix of its own, what the version could change (label versions).
    TENGLAMA_WINE_WINDOWS=win10 scripts/wine-session.sh "$PWD/build/windows-x86/wineprefix" \
      ctest --preset windows-x86 --label-exclude versions
    for windows in winxp win7; do
      TENGLAMA_WINE_WINDOWS=$windows scripts/wine-session.sh "$PWD/build/windows-x86/wineprefix-$windows" \
        ctest --preset "windows-x86-$windows" --label-regex versions
    done
  else
    if [ -x "$wine32" ]; then
      echo "note: this machine cannot run 32-bit programs; running the Windows suites in the 64-bit build"
    else
      echo "note: no 32-bit Wine here; running the Windows suites in the 64-bit build"
    fi
    ctest --preset windows-x86 --label-regex host
    cmake --preset windows-x64
    cmake --build --preset windows-x64
    scripts/wine-session.sh "$PWD/build/windows-x64/wineprefix" ctest --preset windows-x64 --label-exclude 'host|versions'
  fi
}
stage windows windows
joined

# The web page, built by Emscripten and tested in headless Chromium.
web() {
  cmake --preset web
  cmake --build --preset web
  ctest --preset web
}
stage web web

# The release files: the .deb, the Windows and web zips and tenglama.exe,
# built, checked and listed in build/packages/SHA256SUMS; then built again
# from scratch in another folder, to show the same bytes come out.
stage packages packaging/check.sh
stage reproducible scripts/check-reproducible.sh
