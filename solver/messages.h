#pragma once

#include <string>
#include <string_view>

#include "numbers/numbers.h"

// What the solver tells the user when it cannot answer, in Uzbek.
namespace solver::messages {

enum class Coefficient { a, b };

// Why the text typed for a or b is no coefficient (any fault but none),
// quoting it after the verdict, but for an empty one.
std::string coefficient_fault(Coefficient which, numbers::Fault fault, std::string_view text);
inline constexpr std::string_view result_too_large = "Natija juda katta.";
inline constexpr std::string_view result_too_small = "Natija juda kichik.";
// Why b / a has no answer to show (any fault but none).
std::string quotient_fault(numbers::Fault fault);

}  // namespace solver::messages
