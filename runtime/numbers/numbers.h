#pragma once

#include <string>
#include <string_view>

// The program's numbers: reading what the user typed, writing a result,
// and division. None of them lets a wrong number through: a text or a
// quotient that is no usable double comes back with the reason why.
namespace runtime {

// Why a text is no number. Beyond not_a_number, the reasons a user may not
// guess: a fraction over zero, a mixed number whose fraction is not proper
// (more than 0, less than 1), digit groups of other than three.
enum class NumberFault {
    none,
    empty,
    not_a_number,
    zero_denominator,
    improper_fraction,
    bad_group,
    too_large,
    too_small
};

struct Number {
    double value = 0;
    NumberFault fault = NumberFault::none;
};

// Reads what a user types as a number, as the nearest double to its exact
// value, rounded once. After an optional sign (-, + or U+2212), one of:
// - a decimal: "2,5" and "2.5" alike, an exponent allowed ("1,5e-3");
// - a fraction: "3/4", "1,5/3", numerator and denominator each a decimal
//   with neither sign, exponent nor digit groups;
// - a mixed number: a whole number, one separator and a proper fraction,
//   "1 1/2" (1.5).
// The whole part of a decimal or a mixed number may be in digit groups:
// one to three digits, then groups of three, each after a space, a
// no-break space, a narrow no-break space or a thin space ("1 000 000").
// A number that only a subnormal double could hold is too small: it would
// keep fewer digits than an answer shows.
Number read_number(std::string_view text);

// The text without the tabs and spaces (Unicode's category Zs) around it:
// what a message about it quotes.
std::string_view trim_spaces(std::string_view text);

// Writes a double correctly rounded to at most 15 significant digits, the
// decimal comma as separator ("2,5", as Uzbek writes it), exponent form outside 1E-4 <= |x| < 1E+15. Only zero and
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
