#pragma once

#include <cstdint>

#include "numbers/natural.h"
#include "numbers/numbers.h"

namespace numbers {

// A number as the program shows it: significand * 10^exponent, with a
// significand of exactly 15 digits, or 0 for zero.
struct Decimal {
    bool negative = false;
    std::uint64_t significand = 0;
    int exponent = 0;
};

// The exact quotient of two doubles rounded once to 15 significant digits,
// ties to even. Dividing in double first and rounding its result again
// would get the last digit wrong for about one quotient in sixty (5 / 999).
// Only for a dividend of zero or a normal double and a normal divisor.
Decimal round_quotient(double dividend, double divisor);

// numerator / denominator, for a non-zero denominator, rounded once to the
// nearest double, subnormals included, ties to even: what a typed fraction
// or decimal stands for. Past the largest double it is infinity.
double nearest_double(Natural numerator, Natural denominator);

// A double read or computed from non-zero numbers (stands_for_nonzero) as
// the program may use it. Infinity is too large. Zero, or a subnormal,
// whose few significant bits cannot carry the 15 digits shown, is too
// small. Compared with the smallest normal double rather than trusting how
// a C library reports underflow, which differs between platforms.
Number in_range(double value, bool stands_for_nonzero);

}  // namespace numbers
