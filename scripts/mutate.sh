#!/usr/bin/env bash
# A mutation check of the core: does the core suite notice when a line of
# the numbers (their reading, fractions and digit groups among it, their
# writing and exact arithmetic), the quoting, the solver or the event
# boundary is broken?
# Each mutant below changes one line: in FILE, the TEXT found on exactly one
# line becomes the REPLACEMENT. For each, the core suite is rebuilt (the
# linux preset, only tenglama_core_tests) and run; the mutant is killed
# when the suite fails, crashes or hangs. The survivors are listed with the
# share killed, and the script fails below 90% or when a mutant no longer
# matches or compiles.
#
# The files here are never changed: each worker, one per processor, mutates
# a copy of the sources under build/mutate/N and puts every file back when
# the script ends, however it ends, Ctrl-C included.
# Usage: scripts/mutate.sh [FILTER]   (only the mutants whose line holds FILTER)
set -euo pipefail
cd "$(dirname "$0")/.."
filter="${1:-}"
build=build/mutate
target_share=90

# FILE @@ TEXT @@ REPLACEMENT
mutants=$(cat <<'LIST'
numbers/read.cpp @@ "\xE2\x80\xAF", "\xE2\x81\x9F", "\xE3\x80\x80"}; @@ "\xE2\x80\xAF", "\xE2\x81\x9F", " "};
numbers/read.cpp @@ && text.ends_with(space)) { @@ && text.ends_with(space) && space.size() == 1) {
numbers/read.cpp @@ static_cast<unsigned char>(c) >= 0x80; @@ static_cast<unsigned char>(c) >= 0xFF;
numbers/read.cpp @@ "\xE2\x80\xAF", "\xE2\x80\x89"}; @@ "\xE2\x80\xAF", " "};
numbers/read.cpp @@ return c >= '0' && c <= '9'; @@ return c >= '0' && c < '9';
numbers/read.cpp @@ return c >= '0' && c <= '9'; @@ return c > '0' && c <= '9';
numbers/read.cpp @@ consume(text, "-") || consume(text, minus_sign) @@ consume(text, "-")
numbers/read.cpp @@ consume(text, "+"); @@ ;
numbers/read.cpp @@ well_grouped = well_grouped && group.size() == 3; @@ well_grouped = well_grouped && group.size() >= 2;
numbers/read.cpp @@ if (grouped && first.size() > 3) @@ if (grouped && first.size() > 4)
numbers/read.cpp @@ while (!first.empty() && consume_any @@ while (consume_any
numbers/read.cpp @@ if (group.empty()) return false; @@ if (group.empty()) break;
numbers/read.cpp @@ if (!consume(text, ".") && !consume(text, ",")) return; @@ if (!consume(text, ".")) return;
numbers/read.cpp @@ return text.empty() && !number.digits.empty(); @@ return text.empty();
numbers/read.cpp @@ return text.empty() && !number.digits.empty(); @@ return !number.digits.empty();
numbers/read.cpp @@ consume(text, "e") || consume(text, "E") @@ consume(text, "e")
numbers/read.cpp @@ negative ? -exponent_value(digits) @@ negative ? exponent_value(digits)
numbers/read.cpp @@ (digit - '0'), 1'000'000'000); @@ (digit - '0'), 100);
numbers/read.cpp @@ if (digits.empty()) return {0, Fault::not_a_number}; @@ ;
numbers/read.cpp @@ if (!text.empty() || mantissa.digits.empty()) @@ if (!text.empty())
numbers/read.cpp @@ scale = exponent - static_cast<std::int64_t>(mantissa.decimals); @@ scale = exponent;
numbers/read.cpp @@ if (magnitude > 310) @@ if (magnitude > 300)
numbers/read.cpp @@ if (magnitude < -330) @@ if (magnitude < -300)
numbers/read.cpp @@ if (digits.size() <= 15 && @@ if (digits.size() <= 18 &&
numbers/read.cpp @@ return scale < 0 ? exact / powers @@ return scale < 0 ? exact * powers
numbers/read.cpp @@ (scale < 0 ? bottom : top) @@ (scale > 0 ? bottom : top)
numbers/read.cpp @@ mantissa.digits.find_first_not_of('0') != std::string::npos; @@ true;
numbers/read.cpp @@ (cut == std::string_view::npos || at > cut) @@ cut == std::string_view::npos
numbers/read.cpp @@ const bool mixed = cut != std::string_view::npos; @@ const bool mixed = false;
numbers/read.cpp @@ || whole.empty() || @@ ||
numbers/read.cpp @@ || !whole_text.empty())) { @@ )) {
numbers/read.cpp @@ if (bottom.is_zero()) return @@ if (!bottom.is_zero()) return
numbers/read.cpp @@ bottom.multiply_by_power_of_ten(static_cast<int>(numerator.decimals)); @@ bottom.multiply_by_power_of_ten(static_cast<int>(denominator.decimals));
numbers/read.cpp @@ top.multiply_by_power_of_ten(static_cast<int>(denominator.decimals)); @@ top.multiply_by_power_of_ten(0);
numbers/read.cpp @@ compare(top, bottom) >= 0 @@ compare(top, bottom) > 0
numbers/read.cpp @@ if (top.is_zero() || compare @@ if (compare
numbers/read.cpp @@ whole_part.multiply(bottom); @@ whole_part.multiply(1);
numbers/read.cpp @@ top.add(whole_part); @@ top.add(Natural());
numbers/read.cpp @@ const bool nonzero = !top.is_zero(); @@ const bool nonzero = true;
numbers/read.cpp @@ if (negative) read.value @@ if (!negative) read.value
numbers/read.cpp @@ return {0, Fault::empty}; @@ return {0, Fault::not_a_number};
numbers/read.cpp @@ if (std::isinf(value)) @@ if (std::isnan(value))
numbers/read.cpp @@ return {0, Fault::too_large}; @@ return {0, Fault::too_small};
numbers/read.cpp @@ if (stands_for_nonzero && std::abs(value) @@ if (stands_for_nonzero || std::abs(value)
numbers/read.cpp @@ std::abs(value) < std @@ value < std
numbers/read.cpp @@ std::abs(value) < std @@ std::abs(value) <= std
numbers/read.cpp @@ std::numeric_limits<double>::min() @@ std::numeric_limits<double>::denorm_min()
numbers/read.cpp @@ return {0, Fault::too_small}; @@ return {0, Fault::too_large};
numbers/write.cpp @@ in_range(dividend / divisor, @@ in_range(dividend * divisor,
numbers/write.cpp @@ divisor, dividend != 0.0) @@ divisor, dividend == 0.0)
numbers/quotient.cpp @@ if (numerator.is_zero()) return 0; @@ if (numerator.is_zero()) return 1;
numbers/quotient.cpp @@ const int shift = 63 - @@ const int shift = 64 -
numbers/quotient.cpp @@ std::bit_width(scaled)) - 53, @@ std::bit_width(scaled)) - 52,
numbers/quotient.cpp @@ shift - 1074); @@ shift - 1080);
numbers/quotient.cpp @@ if (rest > half || @@ if (rest >= half ||
numbers/quotient.cpp @@ (!numerator.is_zero() || mantissa % 2 == 1) @@ (mantissa % 2 == 1)
numbers/quotient.cpp @@ mantissa % 2 == 1 @@ mantissa % 2 == 0
numbers/quotient.cpp @@ dropped - shift); @@ dropped + shift);
numbers/natural.cpp @@ std::min<std::size_t>(9, digits.size()) @@ std::min<std::size_t>(10, digits.size())
numbers/natural.cpp @@ factor *= 10; @@ factor *= 9;
numbers/natural.cpp @@ return 32 * static_cast<int>(words_.size() - 1) @@ return 31 * static_cast<int>(words_.size() - 1)
numbers/natural.cpp @@ * factor.words_[k] + product[i + k]; @@ * factor.words_[k];
numbers/natural.cpp @@ words_.resize(other.words_.size(), 0); @@ words_.resize(words_.size(), 0);
numbers/natural.cpp @@ shift_left(n); @@ shift_left(0);
numbers/write.cpp @@ decimal_comma = ","; @@ decimal_comma = ".";
numbers/write.cpp @@ constexpr int significant_digits = 15; @@ constexpr int significant_digits = 16;
numbers/write.cpp @@ if (digits.size() < 2) text += '0'; @@ if (digits.size() < 1) text += '0';
numbers/write.cpp @@ exponent < 0 ? "E-" : "E+" @@ exponent > 0 ? "E-" : "E+"
numbers/write.cpp @@ if (number.significand == 0) return "0"; @@ if (number.significand == 1) return "0";
numbers/write.cpp @@ while (digits.size() > 1 && @@ while (digits.size() > 2 &&
numbers/write.cpp @@ number.negative ? "-" : "" @@ number.negative ? "" : ""
numbers/write.cpp @@ exponent >= -4 && @@ exponent > -4 &&
numbers/write.cpp @@ && exponent < significant_digits @@ && exponent <= significant_digits
numbers/write.cpp @@ if (exponent < 0) { @@ if (exponent <= 0) {
numbers/write.cpp @@ if (digits.size() <= integer_digits) { @@ if (digits.size() < integer_digits) {
numbers/write.cpp @@ if (digits.size() > 1) text.append(decimal_comma) @@ if (digits.size() > 0) text.append(decimal_comma)
numbers/write.cpp @@ (!std::isnormal(dividend) && dividend != 0.0) @@ !std::isfinite(dividend)
numbers/write.cpp @@ if (!std::isnormal(divisor) || @@ if (
numbers/write.cpp @@ return {{}, divided.fault}; @@ return {{}, Fault::too_small};
numbers/quotient.cpp @@ if (dividend == 0.0) return {}; @@ if (dividend < 0.0) return {};
numbers/quotient.cpp @@ smallest_significand = 100'000'000'000'000; @@ smallest_significand = 10'000'000'000'000;
numbers/quotient.cpp @@ if (significand >= 10 * smallest_significand) { @@ if (significand > 10 * smallest_significand) {
numbers/quotient.cpp @@ if (half > 0 || (half == 0 && significand % 2 == 1)) @@ if (half >= 0)
numbers/quotient.cpp @@ (half == 0 && significand % 2 == 1) @@ (half == 0 && significand % 2 == 0)
numbers/quotient.cpp @@ if (top.mantissa % bottom.mantissa != 0) return std::nullopt; @@ ;
numbers/quotient.cpp @@ twice_rest > unit || @@ twice_rest >= unit ||
numbers/quotient.cpp @@ (twice_rest == unit && significand % 2 == 1) @@ (twice_rest == unit)
numbers/quotient.cpp @@ whole *= 5; @@ whole *= 2;
numbers/quotient.cpp @@ return rounded(negative, whole, twos); @@ return rounded(negative, whole, 0);
numbers/quotient.cpp @@ numerator.shift_left(1); @@ numerator.shift_left(0);
numbers/quotient.cpp @@ if (significand == 10 * smallest_significand) { @@ if (significand > 10 * smallest_significand) {
numbers/quotient.cpp @@ std::signbit(dividend) != std::signbit(divisor) @@ std::signbit(dividend) == std::signbit(divisor)
numbers/quotient.cpp @@ exponent < 0 ? numerator : denominator @@ exponent > 0 ? numerator : denominator
numbers/natural.cpp @@ i < std::min(n, 13) @@ i < std::min(n, 14)
numbers/natural.cpp @@ for (; n > 0; n -= 13) @@ for (; n > 0; n -= 12)
numbers/natural.cpp @@ compare(numerator, unit) >= 0 @@ compare(numerator, unit) > 0
numbers/natural.cpp @@ borrow = words_[i] < taken ? 1 : 0; @@ borrow = words_[i] <= taken ? 1 : 0;
numbers/natural.cpp @@ left.words_.size() < right.words_.size() ? -1 : 1; @@ left.words_.size() > right.words_.size() ? -1 : 1;
numbers/natural.cpp @@ multiply(std::uint32_t{1} << (bits % 32)); @@ multiply(std::uint32_t{1} << (bits % 31));
runtime/text/quote.cpp @@ if (characters == excerpt_limit) @@ if (characters > excerpt_limit)
runtime/text/quote.cpp @@ excerpt_limit = 40; @@ excerpt_limit = 41;
runtime/text/quote.cpp @@ if (sequence.valid && !is_hidden(sequence.code)) { @@ if (sequence.valid) {
runtime/text/hidden_characters.cpp @@ if (code < end) return hidden; @@ if (code <= end) return hidden;
runtime/text/hidden_characters.cpp @@ length = (length & 0x3F) << 8 | runs[i++]; @@ length = (length & 0x3F) << 7 | runs[i++];
runtime/text/hidden_ranges.cmake @@ |Zs);") @@ |Zs|Cf);")
runtime/text/hidden_ranges.cmake @@ set(start ${block_start}) @@ set(start ${code})
runtime/text/utf8.cpp @@ if (lead >= 0xC2 && lead <= 0xDF) { @@ if (lead >= 0xC0 && lead <= 0xDF) {
runtime/text/utf8.cpp @@ if (lead == 0xE0) low = 0xA0; @@ if (lead == 0xE0) low = 0x80;
runtime/text/utf8.cpp @@ if (lead == 0xF0) low = 0x90; @@ if (lead == 0xF0) low = 0x80;
runtime/text/utf8.cpp @@ if (lead == 0xF4) high = 0x8F; @@ if (lead == 0xF4) high = 0xBF;
runtime/text/utf8.cpp @@ lead >= 0xF0 && lead <= 0xF4 @@ lead >= 0xF0 && lead <= 0xF7
runtime/text/utf8.cpp @@ if (i + k == text.size()) return {0, k, false}; @@ if (i + k == text.size()) return {0, 1, false};
runtime/text/utf8.cpp @@ if (next < low || next > high) return {0, k, false}; @@ if (next < low || next > high) return {0, 1, false};
runtime/text/utf8.cpp @@ const bool surrogate = code >= 0xD800 && code <= 0xDFFF; @@ const bool surrogate = false;
solver/messages.cpp @@ return "son emas, chunki nolga bo'lish mumkin emas"; @@ return "son emas";
solver/messages.cpp @@ return "son emas, chunki aralash sonning kasr qismi 0 dan katta va 1 dan kichik bo'ladi"; @@ return "son emas";
solver/messages.cpp @@ return "son emas, chunki raqamlar uchtadan guruhlanadi"; @@ return "son emas";
solver/messages.cpp @@ if (fault == Fault::empty) @@ if (fault == Fault::none)
solver/solver.cpp @@ numbers::trim_spaces(input.text) @@ input.text
solver/solver.cpp @@ const bool a_is_zero = a == 0.0; @@ const bool a_is_zero = a != 0.0;
solver/messages.cpp @@ if (fault == Fault::too_large) return @@ if (fault != Fault::too_large) return
solver/messages.cpp @@ if (fault == Fault::too_small) return @@ if (fault == Fault::too_large) return
solver/messages.cpp @@ internal_fault("to_text: not a finite normal number") @@ internal_fault("")
solver/solver.cpp @@ if (x.fault != Fault::none) @@ if (x.fault == Fault::too_large)
runtime/barrier.cpp @@ catch (const std::bad_alloc&) @@ catch (const std::length_error&)
runtime/barrier.cpp @@ catch (const std::exception& error) @@ catch (const std::domain_error& error)
runtime/form/form.cpp @@ if (handler != nullptr) guarded @@ guarded
runtime/form/control.cpp @@ && points < 2048.0f @@ && points <= 2048.0f
LIST
)

# A worker's directory holds its copy of the sources (source/), its build
# tree (build/), and while a mutant is in, that file's name (mutated) and
# its original (original).
put_back() {
  if [ -f "$1/mutated" ]; then
    # A plain copy gives the file a new time, so the next build compiles it.
    cp "$1/original" "$1/source/$(<"$1/mutated")"
    rm "$1/mutated"
  fi
}

# The copy made equal to the sources here, by content: a file that differs
# is copied with a new time and so compiled again.
prepare() {
  put_back "$1"
  local file
  while IFS= read -r file; do
    [ -f "$file" ] || continue
    if ! cmp -s "$file" "$1/source/$file"; then
      mkdir -p "$(dirname "$1/source/$file")"
      cp "$file" "$1/source/$file"
    fi
  done < <(git ls-files --cached --others --exclude-standard)
  if [ ! -f "$1/build/build.ninja" ]; then
    cmake -S "$1/source" -B "$1/build" --preset linux -DTENGLAMA_BENCH=OFF >"$1/build.log" 2>&1
  fi
  ninja -C "$1/build" tests/tenglama_core_tests >"$1/build.log" 2>&1
}

# Killed: the suite fails, crashes, or hangs (a mutant can loop for ever).
suite_passes() {
  # The shell's report of a crash goes with the suite's output.
  { (timeout 3 "$1/build/tests/tenglama_core_tests" --gtest_fail_fast --gtest_brief=1); } >/dev/null 2>&1
}

# Mutants on standard input, one verdict a line on standard output.
mutate() {
  local line file rest from to content verdict began
  while IFS= read -r line; do
    file="${line%% @@ *}"
    rest="${line#* @@ }"
    from="${rest%% @@ *}"
    to="${rest#* @@ }"
    cp "$1/source/$file" "$1/original"
    echo "$file" >"$1/mutated"
    content=$(<"$1/source/$file")
    printf '%s\n' "${content/"$from"/"$to"}" >"$1/source/$file"
    began=$SECONDS
    if ! ninja -C "$1/build" tests/tenglama_core_tests >"$1/build.log" 2>&1; then
      verdict=uncompiled
    elif suite_passes "$1"; then
      verdict=survived
    else
      verdict=killed
    fi
    put_back "$1"
    echo "$verdict $((SECONDS - began)) s: $line"
  done
}

# The mutants asked for; one whose text is not on exactly one line of its
# file is stale.
selected=() broken=()
while IFS= read -r line; do
  [[ -z "$line" || "$line" != *"$filter"* ]] && continue
  from="${line#* @@ }"
  from="${from%% @@ *}"
  if [ "$(grep -cF -- "$from" "${line%% @@ *}" || true)" = 1 ]; then
    selected+=("$line")
  else
    broken+=("no single line holds the text of $line")
  fi
done <<<"$mutants"

# Job control puts each worker in a process group of its own, so that an
# interruption stops its build and tests too, before the copies are put back.
set -m
start=$SECONDS
workers=$(nproc)
echo "${#selected[@]} mutants, $workers at a time; verdicts in $build/mutants.log" >&2
pids=()
stop() {
  for pid in "${pids[@]}"; do kill -- -"$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  for ((w = 1; w <= workers; w++)); do put_back "$build/$w"; done
}
trap stop EXIT
trap 'exit 130' INT TERM HUP

for ((w = 1; w <= workers; w++)); do
  mkdir -p "$build/$w"
  prepare "$build/$w" &
  pids+=($!)
done
for pid in "${pids[@]}"; do
  wait "$pid" || { cat "$build"/*/build.log >&2; exit 1; }
done
suite_passes "$build/1" || { echo "The core suite fails without any mutant." >&2; exit 1; }

# Neighbouring mutants mostly share a file: each worker takes a run of them,
# so that its copy recompiles little between two.
pids=()
share_size=$(((${#selected[@]} + workers - 1) / workers))
for ((w = 1; w <= workers; w++)); do
  : >"$build/$w/share"
  for line in "${selected[@]:$(((w - 1) * share_size)):share_size}"; do echo "$line" >>"$build/$w/share"; done
  mutate "$build/$w" <"$build/$w/share" >"$build/$w/verdicts" &
  pids+=($!)
done
wait
pids=()

log="$build/mutants.log"  # each mutant's verdict and time
for ((w = 1; w <= workers; w++)); do cat "$build/$w/verdicts"; done >"$log"
total=$(grep -vc '^uncompiled' "$log" || true)
killed=$(grep -c '^killed' "$log" || true)
while IFS= read -r line; do broken+=("this does not compile: ${line#* s: }"); done < <(grep '^uncompiled' "$log" || true)
share=$((total > 0 ? 100 * killed / total : 0))
echo "Killed $killed of $total mutants ($share%) in $((SECONDS - start)) s, $workers at a time."
grep '^survived' "$log" | sed 's/^survived [0-9]* s: /  survived: /' || true
for line in "${broken[@]}"; do echo "  fix the list, $line"; done
[ ${#broken[@]} -eq 0 ] && [ "$share" -ge "$target_share" ]
