#pragma once

#include <string>
#include <string_view>

// The equation a*x = b, from the two texts the user typed to the one line of
// Uzbek the window shows. Raises runtime::Error for a text that is no
// number, always speaking of a first when both are wrong, and for a
// quotient out of range.
namespace solver {

inline constexpr std::string_view infinitely_many = "tenglama cheksiz ko'p yechimga ega";  // M1
inline constexpr std::string_view none = "tenglama yechimga ega emas";                     // M2
inline constexpr std::string_view exactly_one = "tenglama yagona yechimga ega";            // M3
inline constexpr std::string_view x_equals = "   X=";

// A coefficient's text and where it was typed: an error about the
// coefficient names that place, so that the user is sent back there.
struct Input {
    std::string_view text;
    std::string_view source;
};

std::string answer(const Input& a, const Input& b);

}  // namespace solver
