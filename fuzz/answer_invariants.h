#pragma once

#include <string_view>

// What must hold for every pair of texts, whatever the user typed. Each
// check aborts with a description of the broken rule, so a fuzzer keeps the
// input that broke it.
namespace fuzz {

void check_answer(std::string_view a_text, std::string_view b_text);

// Each code point quoted alone shows as itself, or as the placeholder where
// the Unicode data says it draws nothing or reorders: all of them, once,
// before the fuzzing starts.
void check_every_code_point();

}  // namespace fuzz
