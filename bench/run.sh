#!/usr/bin/env bash
# Measures the program and prints the figures as a Markdown table: start-up
# time and resident memory against the floors built by the same build (the
# same window written by hand in plain toolkit calls, the target's
# reference, and for context the least window each toolkit can show), the
# answer per click, and the size and imports of the Windows executable, and
# the web page's three figures (bench/web_bench.py). Not part of the test
# command.
# Usage: bench/run.sh [RUNS]   (start-ups of each program; default 11)
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-11}"
scripts/install-deps.sh test >&2
. cmake/wine-loaders.sh

# The Windows program is measured as shipped, 32-bit, where this machine can
# run 32-bit code; otherwise the 64-bit build of the same sources stands in.
presets=(linux-bench windows-x86 web)
if "$wine32" --version >/dev/null 2>&1; then win32_preset=windows-x86; else win32_preset=windows-x64; presets+=(windows-x64); fi
for preset in "${presets[@]}"; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" >/dev/null
done
bench=build/linux-bench/bench

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/xdg"

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# Start-ups on one private X display with no window manager. The program
# and its floors take turns, so whatever else the machine does hits them
# all; one unmeasured start of each fills the caches first. $launch, when
# set, runs each program (Wine for Windows programs).
# Usage: startups NAME PROGRAM FLOOR...   (writes NAME.program, NAME.floor1...)
startups=$(cat <<'INNER'
name="$1" program="$2"; shift 2
timed() { "$bench/tenglama_window_timer" ${launch:+"$launch"} "$1"; }
for each in "$program" "$@"; do timed "$each" >/dev/null; done
for _ in $(seq "$runs"); do
  floor=0
  for each in "$@"; do
    floor=$((floor + 1))
    timed "$each" >>"$work/$name.floor$floor"
  done
  timed "$program" >>"$work/$name.program"
done
INNER
)
export bench runs work wine64
# Start-up times suffer whatever else the machine runs: its load goes with them.
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work/xdg" xvfb-run -a -s "-screen 0 1024x768x24" \
  bash -c "$startups" startups qt build/linux-bench/tenglama "$bench/tenglama_qt_form_floor" "$bench/tenglama_qt_floor"

# The Windows programs under Wine, in a private prefix booted first, its
# server kept running between starts so that no start pays for Wine's own.
in_wine=$(cat <<'INNER'
mkdir -p "$WINEPREFIX"
wineserver -p
"$wine64" wineboot -i >/dev/null 2>&1
status=0
"$@" || status=$?
wineserver -k
exit $status
INNER
)
env XDG_RUNTIME_DIR="$work/xdg" WINEPREFIX="$work/wineprefix" WINEDEBUG=-all launch=cmake/wine-run.sh \
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c "$in_wine" in-wine \
  bash -c "$startups" startups win32 "build/$win32_preset/tenglama.exe" "build/$win32_preset/bench/tenglama_win32_form_floor.exe" \
  "build/$win32_preset/bench/tenglama_win32_floor.exe" "build/$win32_preset/bench/tenglama_win32_floor_manifest.exe"

load_after=$(cut -d' ' -f1-3 /proc/loadavg)

column_median() { cut -d' ' -f"$2" "$1" | median; }
milliseconds() { column_median "$work/$1" 1; }
mebibytes() { column_median "$work/$1" 2 | awk '{ printf "%.1f", $1 / 1024 }'; }
# One table row: what, the program's figure, the floor's, their ratio, the
# target (none for the rows that are context only).
row() { echo "| $1 | $2 | $3 | $(ratio "$2" "$3") | $4 |"; }
# The start-up and memory rows of one toolkit: NAME, its label, the runs'
# floors in turn (the form written by hand first) and what each floor is.
startup_rows() {
  local name="$1" label="$2" floor=0; shift 2
  for what in "$@"; do
    floor=$((floor + 1))
    local time_target="≤ 1.05" memory_target="≤ 1.15"
    if [ "$floor" -gt 1 ]; then time_target="" memory_target=""; fi
    row "Start-up to painted window, $label, ms (median of $runs), against $what" \
      "$(milliseconds "$name.program")" "$(milliseconds "$name.floor$floor")" "$time_target"
    row "Resident memory once shown, $label, MiB (median of $runs), against $what" \
      "$(mebibytes "$name.program")" "$(mebibytes "$name.floor$floor")" "$memory_target"
  done
}

answer_ns=$("$bench/tenglama_answer_bench" --benchmark_filter='^AnswerTypicalClick$' --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
  awk -F, '$1 == "\"AnswerTypicalClick_median\"" { printf "%.0f", $3 }')

# The web page in headless Chromium: transfer, start-up against the same
# page without script, one answer in WebAssembly.
web_rows=$(/usr/bin/python3 bench/web_bench.py build/web "$runs")

exe=build/windows-x86/tenglama.exe
exe_kib=$(stat -c %s "$exe" | awk '{ printf "%.1f (%d bytes)", $1 / 1024, $1 }')
imports=$(i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print $3 }' | sort -f | paste -sd' ')

cat <<EOF
Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores; \
Linux $(uname -r); Qt $(pkg-config --modversion Qt6Widgets); $(g++ --version | head -1)
Command: bench/run.sh $runs ($(date -u +%Y-%m-%d)); load average (1, 5, 15 min) $load_before before the start-ups, $load_after after

| Measure | tenglama | Floor | Ratio | Target |
|---|---|---|---|---|
$(startup_rows qt Qt "the form written by hand" "the bare floor (one label)")
$(startup_rows win32 "Win32 under Wine" "the form written by hand" "the bare floor (one label)" \
  "the bare floor with the program's resources")
| Answer per click ("2", "5"), ns (median of 5) | $answer_ns | | | < 1000 |
| tenglama.exe size, KiB | $exe_kib | | | < 300 |
| tenglama.exe imports | $imports | | | |
$web_rows

Floors: bench/qt_form_floor.cpp and bench/win32_form_floor.cpp (the form written by hand, the Win32 one with the
program's resources), bench/qt_floor.cpp and bench/win32_floor.cpp (one label; the Win32 one also built with the
program's resources: manifest, common controls 6, DPI awareness; icon; version record).
Win32 rows: the $win32_preset build under $("$wine64" --version).
Memory there is the Wine process's resident set: the program together with Wine's own libraries.
Size and imports: the shipped x86 build.
Web rows: $(chromium --version 2>/dev/null | head -1 | cut -d' ' -f1-2), headless; Emscripten $(em++ -dumpversion).
EOF
