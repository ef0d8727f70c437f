#pragma once

#include <cstdint>

#include "runtime/numbers/natural.h"

namespace runtime {

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
// Operands must be zero or normal doubles and the divisor non-zero: any
// other is a fault in the caller, raised as the internal-fault error.
Decimal round_quotient(double dividend, double divisor);

// numerator / denominator, for a non-zero denominator, rounded once to the
// nearest double, subnormals included, ties to even: what a typed fraction
// or decimal stands for. Past the largest double it is infinity.
double nearest_double(Natural numerator, Natural denominator);

}  // namespace runtime
