#pragma once

#include <string>
#include <string_view>

// The program's numbers: reading what the user typed, writing a result,
// and division. None of them lets a wrong number through: a text or a
// quotient that is no usable double comes back with the reason why.
namespace runtime {

enum class NumberFault { none, empty, not_a_number, too_large, too_small };

struct Number {
    double value = 0;
    NumberFault fault = NumberFault::none;
};

// Reads a decimal number (2,5 and 2.5 alike) as the nearest double. A
// number that only a subnormal double could hold is too small: it would
// keep fewer digits than an answer shows.
Number read_number(std::string_view text);

// The text without the spaces around it: what a message about it quotes.
std::string_view trim_spaces(std::string_view text);

// Writes a double correctly rounded to at most 15 significant digits, '.'
// as separator, exponent form outside 1E-4 <= |x| < 1E+15. Only zero and
// normal doubles have such a text: NaN, an infinity or a subnormal is a
// fault in the caller and raises the internal-fault runtime::Error.
std::string to_text(double value);

// The exact quotient of two doubles written as to_text writes a double,
// rounded once rather than through the double quotient in between. The
// same rule for the operands, and a non-zero divisor.
std::string quotient_text(double dividend, double divisor);

// dividend / divisor for a non-zero divisor; a quotient too large or too
// small for a normal double is a fault, not inf, a false zero or a
// subnormal short of digits.
Number divide(double dividend, double divisor);

// A double read or computed from non-zero numbers (stands_for_nonzero) as
// the program may use it. Infinity is too large. Zero, or a subnormal,
// whose few significant bits cannot carry the 15 digits shown, is too
// small. Compared with the smallest normal double rather than trusting how
// a C library reports underflow, which differs between platforms.
Number in_range(double value, bool stands_for_nonzero);

}  // namespace runtime
