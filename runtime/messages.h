#pragma once

#include <string>
#include <string_view>

#include "runtime/error.h"

// Every text of the runtime that a user can read, in Uzbek (Latin script).
namespace runtime::messages {

std::string empty_value(Coefficient which);
std::string not_a_number(Coefficient which, std::string_view text);
std::string too_large(Coefficient which, std::string_view text);
std::string too_small(Coefficient which, std::string_view text);
std::string result_too_large();
std::string result_too_small();
std::string out_of_memory();
std::string internal_fault(std::string_view detail);
std::string no_display();

// The user's text as quoted in a message: at most 40 characters, with
// characters that could hide or reorder the rest of the message replaced.
std::string quoted_excerpt(std::string_view text);

}  // namespace runtime::messages
