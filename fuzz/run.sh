#!/usr/bin/env bash
# Fuzzes the answer for SECONDS (default 30) from the checked-in seeds.
# Builds the fuzzer with clang (preset linux-fuzz) unless FUZZER names one
# already built. Inputs that reach new code go to build/linux-fuzz/corpus;
# an input that breaks a rule is saved in build/linux-fuzz/findings and
# fails the run.
# Usage: fuzz/run.sh [SECONDS [FUZZER]]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
fuzzer="${2:-}"
if [ -z "$fuzzer" ]; then
  cmake --preset linux-fuzz >/dev/null
  cmake --build --preset linux-fuzz
  fuzzer=build/linux-fuzz/fuzz/tenglama_answer_fuzz
fi
work=build/linux-fuzz
mkdir -p "$work/corpus" "$work/findings"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# Room for two boxes of 32,767 characters each.
exec "$fuzzer" -max_total_time="$seconds" -max_len=65536 -dict=fuzz/answer.dict \
  -artifact_prefix="$work/findings/" -print_final_stats=1 "$work/corpus" fuzz/corpus
