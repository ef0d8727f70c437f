#pragma once

#include <string>
#include <string_view>

// The program's numbers: reading what the user typed, and the quotient as
// it is shown. None of them lets a wrong number through, and none raises:
// a text or a quotient that is no usable double comes back with the reason
// why, for the caller to say in its own words.
namespace numbers {

// Why a text or a quotient is no number. Beyond not_a_number, the reasons
// a user may not guess: a fraction over zero, a mixed number whose fraction
// is not proper (more than 0, less than 1), digit groups of other than
// three. bad_operand is the caller's fault, never the user's: a division
// by zero, or of or by a number that no reading gives.
enum class Fault {
    none,
    empty,
    not_a_number,
    zero_denominator,
    improper_fraction,
    bad_group,
    too_large,
    too_small,
    bad_operand
};

struct Number {
    double value = 0;
    Fault fault = Fault::none;
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
// keep fewer digits than an answer shows. The value is zero or a normal
// double wherever the fault is none.
Number read_number(std::string_view text);

// The text without the tabs and spaces (Unicode's category Zs) around it:
// what a message about it quotes.
std::string_view trim_spaces(std::string_view text);

struct Quotient {
    std::string text;
    Fault fault = Fault::none;
};

// dividend / divisor written correctly rounded to at most 15 significant
// digits, from the exact quotient rather than the double one in between,
// with the decimal comma ("2,5", as Uzbek writes it), in exponent form
// outside 1E-4 <= |x| < 1E+15. The operands are what read_number gives,
// zero or normal doubles, and the divisor is not zero; any other is a
// bad_operand. A quotient too large or too small for a normal double is
// too_large or too_small, not inf, a false zero or a subnormal short of
// digits.
Quotient quotient(double dividend, double divisor);

}  // namespace numbers
