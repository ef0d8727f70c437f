#pragma once

#include <string>
#include <string_view>

// What the solver tells the user when it cannot answer, in Uzbek.
namespace solver::messages {

enum class Coefficient { a, b };

std::string empty_value(Coefficient which);
std::string not_a_number(Coefficient which, std::string_view text);
std::string zero_denominator(Coefficient which, std::string_view text);
std::string improper_fraction(Coefficient which, std::string_view text);
std::string bad_group(Coefficient which, std::string_view text);
std::string too_large(Coefficient which, std::string_view text);
std::string too_small(Coefficient which, std::string_view text);
inline constexpr std::string_view result_too_large = "Natija juda katta.";
inline constexpr std::string_view result_too_small = "Natija juda kichik.";

}  // namespace solver::messages
