#include "runtime/numbers/quotient.h"

#include <bit>
#include <cmath>
#include <cstdlib>

#include "runtime/error.h"
#include "runtime/messages.h"
#include "runtime/numbers/natural.h"
#include "runtime/numbers/numbers.h"

namespace runtime {
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

}  // namespace

Decimal round_quotient(double dividend, double divisor) {
    if (!std::isnormal(divisor) || (!std::isnormal(dividend) && dividend != 0.0)) {
        throw Error(messages::internal_fault("to_text: not a finite normal number"));
    }
    if (dividend == 0.0) return {};
    const Binary top = split(dividend);
    const Binary bottom = split(divisor);
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
        if (significand == 10 * smallest_significand) {
            significand /= 10;
            ++exponent;
        }
        return {std::signbit(dividend) != std::signbit(divisor), significand, exponent};
    }
}

double nearest_double(Natural numerator, Natural denominator) {
    if (numerator.is_zero()) return 0;
    // The quotient scaled by 2^shift lies in [2^62, 2^64): 63 or 64 bits,
    // of which the top 53 are kept, the rest and the remainder deciding.
    const int shift = 63 - (numerator.bit_width() - denominator.bit_width());
    (shift > 0 ? numerator : denominator).shift_left(std::abs(shift));
    const std::uint64_t quotient = divide(numerator, denominator);
    const int dropped = static_cast<int>(std::bit_width(quotient)) - 53;
    std::uint64_t mantissa = quotient >> dropped;
    const std::uint64_t rest = quotient & ((std::uint64_t{1} << dropped) - 1);
    const std::uint64_t half = std::uint64_t{1} << (dropped - 1);
    if (rest > half || (rest == half && (!numerator.is_zero() || mantissa % 2 == 1))) ++mantissa;
    return std::ldexp(static_cast<double>(mantissa), dropped - shift);
}

Number divide(double dividend, double divisor) { return in_range(dividend / divisor, dividend != 0.0); }

}  // namespace runtime
