#include "runtime/numbers/quotient.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "runtime/error.h"
#include "runtime/messages.h"
#include "runtime/numbers/numbers.h"

namespace runtime {
namespace {

// A non-negative integer as large as a quotient of doubles scaled by a power
// of ten needs (a few thousand bits), with only the operations rounding
// uses. Words are base 2^32, least significant first, with no leading zero.
class Natural {
public:
    explicit Natural(std::uint64_t value) {
        for (; value != 0; value >>= 32) words_.push_back(static_cast<std::uint32_t>(value));
    }

    void multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& word : words_) {
            carry += std::uint64_t{word} * factor;
            word = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (carry != 0) words_.push_back(static_cast<std::uint32_t>(carry));
        trim();  // after a factor of 0
    }

    void shift_left(int bits) {
        if (words_.empty()) return;
        multiply(std::uint32_t{1} << (bits % 32));
        words_.insert(words_.begin(), static_cast<std::size_t>(bits / 32), 0);
    }

    // The number as about leading * 2^exponent, from its top three words:
    // relative error below 2^-50.
    double approximate(int& exponent) const {
        const std::size_t used = std::min<std::size_t>(3, words_.size());
        double leading = 0;
        for (std::size_t k = 1; k <= used; ++k) leading = leading * 0x1p32 + words_[words_.size() - k];
        exponent = 32 * static_cast<int>(words_.size() - used);
        return leading;
    }

    // *this - other, for other <= *this.
    void subtract(const Natural& other) {
        std::uint64_t borrow = 0;
        for (std::size_t i = 0; i < words_.size(); ++i) {
            const std::uint64_t taken = (i < other.words_.size() ? other.words_[i] : 0) + borrow;
            borrow = words_[i] < taken ? 1 : 0;
            words_[i] = static_cast<std::uint32_t>(words_[i] - taken);
        }
        trim();
    }

    // Below zero, zero or above zero as left is less than, equal to or
    // greater than right.
    friend int compare(const Natural& left, const Natural& right) {
        if (left.words_.size() != right.words_.size()) return left.words_.size() < right.words_.size() ? -1 : 1;
        for (std::size_t i = left.words_.size(); i-- > 0;) {
            if (left.words_[i] != right.words_[i]) return left.words_[i] < right.words_[i] ? -1 : 1;
        }
        return 0;
    }

private:
    void trim() {
        while (!words_.empty() && words_.back() == 0) words_.pop_back();
    }

    std::vector<std::uint32_t> words_;
};

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

// 5^n, thirteen fives at a time: the most one word holds.
void multiply_by_power_of_five(Natural& number, int n) {
    for (; n > 0; n -= 13) {
        std::uint32_t factor = 1;
        for (int i = 0; i < std::min(n, 13); ++i) factor *= 5;
        number.multiply(factor);
    }
}

// numerator / denominator for a quotient below 2^64, one 32-bit word at a
// time: a word estimated from the leading bits, never too large, then
// corrected exactly. numerator is left holding the remainder.
std::uint64_t divide(Natural& numerator, const Natural& denominator) {
    std::uint64_t quotient = 0;
    for (int word = 1; word >= 0; --word) {
        Natural unit = denominator;
        unit.shift_left(32 * word);
        int top = 0;
        int bottom = 0;
        const double ratio = numerator.approximate(top) / unit.approximate(bottom);
        const double estimate = std::ldexp(ratio, top - bottom);
        auto digit = static_cast<std::uint32_t>(std::max(estimate - 1, 0.0));
        Natural part = unit;
        part.multiply(digit);
        numerator.subtract(part);
        for (; compare(numerator, unit) >= 0; ++digit) numerator.subtract(unit);
        quotient = quotient << 32 | digit;
    }
    return quotient;
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
        multiply_by_power_of_five(exponent < 0 ? numerator : denominator, std::abs(exponent));
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

Number divide(double dividend, double divisor) { return in_range(dividend / divisor, dividend != 0.0); }

}  // namespace runtime
