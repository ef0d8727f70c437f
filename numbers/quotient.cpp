#include "numbers/quotient.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>

#include "numbers/natural.h"

namespace numbers {
namespace {

constexpr std::uint64_t smallest_significand = 100'000'000'000'000;  // 15 digits

// |x| = mantissa * 2^exponent, with an integer mantissa below 2^53.
struct Binary {
    std::uint64_t mantissa;
    int exponent;
};

Binary split(double x) {
    int exponent = 0;
    const double fraction = std::frexp(std::abs(x), &exponent);
    return {static_cast<std::uint64_t>(std::ldexp(fraction, 53)), exponent - 53};
}

// A significand of 15 digits, or 10^15 where rounding carried past them.
Decimal carried(bool negative, std::uint64_t significand, int exponent) {
    if (significand == 10 * smallest_significand) {
        significand /= 10;
        ++exponent;
    }
    return {negative, significand, exponent};
}

// whole * 10^exponent rounded to 15 significant digits, ties to even.
Decimal rounded(bool negative, std::uint64_t whole, int exponent) {
    while (whole < smallest_significand) {
        whole *= 10;
        --exponent;
    }
    std::uint64_t unit = 1;  // of the last digit kept: at most 10^5, as whole < 2^64
    for (; whole / unit >= 10 * smallest_significand; unit *= 10) ++exponent;
    std::uint64_t significand = whole / unit;
    const std::uint64_t twice_rest = 2 * (whole % unit);
    if (twice_rest > unit || (twice_rest == unit && significand % 2 == 1)) ++significand;
    return carried(negative, significand, exponent);
}

// The quotient where it is a whole number below 2^64 times a power of ten,
// as those of short typed numbers mostly are (5 / 2 is 25 * 10^-1): no long
// division, no allocation.
std::optional<Decimal> short_quotient(Binary top, Binary bottom, bool negative) {
    // With an odd divisor, the quotient is whole times a power of two only
    // where the mantissas divide.
    const int zeros = std::countr_zero(bottom.mantissa);
    bottom.mantissa >>= zeros;
    bottom.exponent += zeros;
    if (top.mantissa % bottom.mantissa != 0) return std::nullopt;
    std::uint64_t whole = top.mantissa / bottom.mantissa;
    int twos = top.exponent - bottom.exponent;
    if (twos >= 0) {
        if (static_cast<int>(std::bit_width(whole)) + twos > 64) return std::nullopt;
        return rounded(negative, whole << twos, 0);
    }
    const int halved = std::min(std::countr_zero(whole), -twos);
    whole >>= halved;
    twos += halved;
    // whole / 2^n is whole * 5^n / 10^n.
    for (int n = 0; n < -twos; ++n) {
        if (whole > std::numeric_limits<std::uint64_t>::max() / 5) return std::nullopt;
        whole *= 5;
    }
    return rounded(negative, whole, twos);
}

}  // namespace

Decimal round_quotient(double dividend, double divisor) {
    if (dividend == 0.0) return {};
    const Binary top = split(dividend);
    const Binary bottom = split(divisor);
    const bool negative = std::signbit(dividend) != std::signbit(divisor);
    if (const auto exact = short_quotient(top, bottom, negative)) return *exact;
    // The 15th digit's power of ten, from an estimate that may be one off.
    int exponent = static_cast<int>(std::floor(std::log10(std::abs(dividend)) - std::log10(std::abs(divisor)))) - 14;
    for (;;) {
        // top / bottom / 10^exponent, as one integer over another.
        Natural numerator(top.mantissa);
        Natural denominator(bottom.mantissa);
        (exponent < 0 ? numerator : denominator).multiply_by_power_of_five(std::abs(exponent));
        const int twos = top.exponent - bottom.exponent - exponent;
        (twos > 0 ? numerator : denominator).shift_left(std::abs(twos));

        std::uint64_t significand = divide(numerator, denominator);
        if (significand < smallest_significand) {
            --exponent;
            continue;
        }
        if (significand >= 10 * smallest_significand) {
            ++exponent;
            continue;
        }
        numerator.shift_left(1);  // twice the remainder, against the divisor: the half
        const int half = compare(numerator, denominator);
        if (half > 0 || (half == 0 && significand % 2 == 1)) ++significand;
        return carried(negative, significand, exponent);
    }
}

double nearest_double(Natural numerator, Natural denominator) {
    if (numerator.is_zero()) return 0;
    // The quotient scaled by 2^shift lies in [2^62, 2^64): 63 or 64 bits,
    // of which the top 53 are kept (fewer where the result is subnormal,
    // whose last bit is 2^-1074), the rest and the remainder deciding.
    const int shift = 63 - (numerator.bit_width() - denominator.bit_width());
    (shift > 0 ? numerator : denominator).shift_left(std::abs(shift));
    const std::uint64_t scaled = divide(numerator, denominator);
    const int dropped = std::max(static_cast<int>(std::bit_width(scaled)) - 53, shift - 1074);
    if (dropped > 64) return 0;  // below half the least subnormal
    std::uint64_t mantissa = dropped == 64 ? 0 : scaled >> dropped;
    const std::uint64_t rest = dropped == 64 ? scaled : scaled & ((std::uint64_t{1} << dropped) - 1);
    const std::uint64_t half = std::uint64_t{1} << (dropped - 1);
    if (rest > half || (rest == half && (!numerator.is_zero() || mantissa % 2 == 1))) ++mantissa;
    return std::ldexp(static_cast<double>(mantissa), dropped - shift);
}

}  // namespace numbers
