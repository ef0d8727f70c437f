#pragma once

#include <string>
#include <string_view>

#include "runtime/error.h"

// The equation a*x = b, from the two texts the user typed to the one line of
// Uzbek the window shows. Raises runtime::Error for text that is no number,
// always speaking of a first when both are wrong.
namespace solver {

inline constexpr std::string_view infinitely_many = "tenglama cheksiz ko'p yechimga ega";  // M1
inline constexpr std::string_view none = "tenglama yechimga ega emas";                     // M2
inline constexpr std::string_view exactly_one = "tenglama yagona yechimga ega";            // M3
inline constexpr std::string_view x_equals = "   X=";

std::string answer(std::string_view a_text, std::string_view b_text);

}  // namespace solver
