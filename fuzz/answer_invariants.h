#pragma once

#include <string_view>

// What must hold for every pair of texts, whatever the user typed. Each
// check aborts with a description of the broken rule, so a fuzzer keeps the
// input that broke it.
namespace fuzz {

void check_answer(std::string_view a_text, std::string_view b_text);

}  // namespace fuzz
