#pragma once

#include <string>
#include <string_view>

#include "runtime/error.h"

// The program's numbers: reading what the user typed, writing a result,
// and the one division the solver makes. Each raises runtime::Error rather
// than let a wrong number reach the window.
namespace runtime {

// Reads a decimal number (2,5 and 2.5 alike) as the nearest double.
// `which` names the input in the error raised for text that is no number.
double to_number(std::string_view text, Coefficient which);

// Writes a double with at most 15 significant digits, '.' as separator,
// exponent form outside 1E-4 <= |x| < 1E+15.
std::string to_text(double value);

// dividend / divisor for a non-zero divisor; a quotient too large or too
// small for a double is an error, not inf or a false zero.
double divide(double dividend, double divisor);

}  // namespace runtime
