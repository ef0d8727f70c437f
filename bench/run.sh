#!/usr/bin/env bash
# Measures the program and prints the figures as a Markdown table: start-up
# time and resident memory against the floor (the least a toolkit window can
# be, built by the same build), the answer per click, and the size and
# imports of the Windows executable. Not part of the test command.
# Usage: bench/run.sh [RUNS]   (start-ups of each program; default 11)
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-11}"

# The Windows program is measured as shipped, 32-bit, where this machine can
# run 32-bit code; otherwise the 64-bit build of the same sources stands in.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then win32_preset=windows-x86; else win32_preset=windows-x64; fi
for preset in linux windows-x86 "$win32_preset"; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" >/dev/null
done
bench=build/linux/bench

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/xdg"

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# Start-ups on one private X display with no window manager. The floor and
# the program take turns, so whatever else the machine does hits both; one
# unmeasured start of each fills the caches first. $launch, when set, runs
# each program (Wine for Windows programs).
startups=$(cat <<'INNER'
name="$1" floor="$2"; shift 2
timed() { "$bench/tenglama_window_timer" ${launch:+"$launch"} "$@"; }
timed "$floor" >/dev/null
timed "$@" >/dev/null
for _ in $(seq "$runs"); do
  timed "$floor" >>"$work/$name.floor"
  timed "$@" >>"$work/$name.program"
done
INNER
)
export bench runs work
env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work/xdg" xvfb-run -a -s "-screen 0 1024x768x24" \
  bash -c "$startups" startups qt "$bench/tenglama_qt_floor" build/linux/tenglama

# The Windows programs under Wine, in a private prefix booted first, its
# server kept running between starts so that no start pays for Wine's own.
in_wine=$(cat <<'INNER'
mkdir -p "$WINEPREFIX"
wineserver -p
/usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
status=0
"$@" || status=$?
wineserver -k
exit $status
INNER
)
env XDG_RUNTIME_DIR="$work/xdg" WINEPREFIX="$work/wineprefix" WINEDEBUG=-all launch=cmake/wine-run.sh \
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c "$in_wine" in-wine \
  bash -c "$startups" startups win32 "build/$win32_preset/bench/tenglama_win32_floor.exe" "build/$win32_preset/tenglama.exe"

column_median() { cut -d' ' -f"$2" "$1" | median; }
qt_ms=$(column_median "$work/qt.program" 1)
qt_floor_ms=$(column_median "$work/qt.floor" 1)
qt_mib=$(column_median "$work/qt.program" 2 | awk '{ printf "%.1f", $1 / 1024 }')
qt_floor_mib=$(column_median "$work/qt.floor" 2 | awk '{ printf "%.1f", $1 / 1024 }')
win32_ms=$(column_median "$work/win32.program" 1)
win32_floor_ms=$(column_median "$work/win32.floor" 1)
win32_mib=$(column_median "$work/win32.program" 2 | awk '{ printf "%.1f", $1 / 1024 }')
win32_floor_mib=$(column_median "$work/win32.floor" 2 | awk '{ printf "%.1f", $1 / 1024 }')

answer_ns=$("$bench/tenglama_answer_bench" --benchmark_filter='^AnswerTypicalClick$' --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
  awk -F, '$1 == "\"AnswerTypicalClick_median\"" { printf "%.0f", $3 }')

exe=build/windows-x86/tenglama.exe
exe_kib=$(stat -c %s "$exe" | awk '{ printf "%.1f (%d bytes)", $1 / 1024, $1 }')
imports=$(i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print $3 }' | sort -f | paste -sd' ')

cat <<EOF
Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores; \
Linux $(uname -r); Qt $(pkg-config --modversion Qt6Widgets); $(g++ --version | head -1)
Command: bench/run.sh $runs ($(date -u +%Y-%m-%d))

| Measure | tenglama | Floor | Ratio | Target |
|---|---|---|---|---|
| Start-up to painted window, Qt, ms (median of $runs) | $qt_ms | $qt_floor_ms | $(ratio "$qt_ms" "$qt_floor_ms") | ≤ 1.15 |
| Resident memory once shown, Qt, MiB (median of $runs) | $qt_mib | $qt_floor_mib | $(ratio "$qt_mib" "$qt_floor_mib") | ≤ 1.15 |
| Start-up to painted window, Win32 under Wine, ms (median of $runs) | $win32_ms | $win32_floor_ms | $(ratio "$win32_ms" "$win32_floor_ms") | ≤ 1.15 |
| Resident memory once shown, Win32 under Wine, MiB (median of $runs) | $win32_mib | $win32_floor_mib | $(ratio "$win32_mib" "$win32_floor_mib") | ≤ 1.15 |
| Answer per click ("2", "5"), ns (median of 5) | $answer_ns | | | < 1000 |
| tenglama.exe size, KiB | $exe_kib | | | < 300 |
| tenglama.exe imports | $imports | | | |

Win32 rows: the $win32_preset build under $(/usr/lib/wine/wine64 --version); the floor is bench/win32_floor.cpp.
Memory there is the Wine process's resident set: the program together with Wine's own libraries.
Size and imports: the shipped x86 build.
EOF
