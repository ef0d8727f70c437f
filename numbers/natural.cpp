#include "numbers/natural.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace numbers {

Natural::Natural(std::uint64_t value) {
    for (; value != 0; value >>= 32) words_.push_back(static_cast<std::uint32_t>(value));
}

Natural Natural::from_digits(std::string_view digits) {
    // Nine digits at a time: the most one word holds.
    Natural number;
    while (!digits.empty()) {
        const std::size_t count = std::min<std::size_t>(9, digits.size());
        std::uint32_t factor = 1;
        std::uint32_t chunk = 0;
        for (const char digit : digits.substr(0, count)) {
            factor *= 10;
            chunk = chunk * 10 + static_cast<std::uint32_t>(digit - '0');
        }
        number.multiply(factor, chunk);
        digits.remove_prefix(count);
    }
    return number;
}

int Natural::bit_width() const {
    if (words_.empty()) return 0;
    return 32 * static_cast<int>(words_.size() - 1) + static_cast<int>(std::bit_width(words_.back()));
}

void Natural::multiply(std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (std::uint32_t& word : words_) {
        carry += std::uint64_t{word} * factor;
        word = static_cast<std::uint32_t>(carry);
        carry >>= 32;
    }
    if (carry != 0) words_.push_back(static_cast<std::uint32_t>(carry));
    trim();  // after a factor of 0
}

void Natural::multiply(const Natural& factor) {
    std::vector<std::uint32_t> product(words_.size() + factor.words_.size(), 0);
    for (std::size_t i = 0; i < words_.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t k = 0; k < factor.words_.size(); ++k) {
            carry += std::uint64_t{words_[i]} * factor.words_[k] + product[i + k];
            product[i + k] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        product[i + factor.words_.size()] = static_cast<std::uint32_t>(carry);
    }
    words_ = std::move(product);
    trim();
}

void Natural::multiply_by_power_of_ten(int n) {
    multiply_by_power_of_five(n);
    shift_left(n);
}

// Thirteen fives at a time: the most one word holds.
void Natural::multiply_by_power_of_five(int n) {
    for (; n > 0; n -= 13) {
        std::uint32_t factor = 1;
        for (int i = 0; i < std::min(n, 13); ++i) factor *= 5;
        multiply(factor);
    }
}

void Natural::add(const Natural& other) {
    if (words_.size() < other.words_.size()) words_.resize(other.words_.size(), 0);
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < words_.size(); ++i) {
        carry += std::uint64_t{words_[i]} + (i < other.words_.size() ? other.words_[i] : 0);
        words_[i] = static_cast<std::uint32_t>(carry);
        carry >>= 32;
    }
    if (carry != 0) words_.push_back(static_cast<std::uint32_t>(carry));
}

void Natural::shift_left(int bits) {
    if (words_.empty()) return;
    multiply(std::uint32_t{1} << (bits % 32));
    words_.insert(words_.begin(), static_cast<std::size_t>(bits / 32), 0);
}

void Natural::subtract(const Natural& other) {
    std::uint64_t borrow = 0;
    for (std::size_t i = 0; i < words_.size(); ++i) {
        const std::uint64_t taken = (i < other.words_.size() ? other.words_[i] : 0) + borrow;
        borrow = words_[i] < taken ? 1 : 0;
        words_[i] = static_cast<std::uint32_t>(words_[i] - taken);
    }
    trim();
}

double Natural::approximate(int& exponent) const {
    const std::size_t used = std::min<std::size_t>(3, words_.size());
    double leading = 0;
    for (std::size_t k = 1; k <= used; ++k) leading = leading * 0x1p32 + words_[words_.size() - k];
    exponent = 32 * static_cast<int>(words_.size() - used);
    return leading;
}

int compare(const Natural& left, const Natural& right) {
    if (left.words_.size() != right.words_.size()) return left.words_.size() < right.words_.size() ? -1 : 1;
    for (std::size_t i = left.words_.size(); i-- > 0;) {
        if (left.words_[i] != right.words_[i]) return left.words_[i] < right.words_[i] ? -1 : 1;
    }
    return 0;
}

void Natural::trim() {
    while (!words_.empty() && words_.back() == 0) words_.pop_back();
}

// One 32-bit word at a time: a word estimated from the leading bits, never
// too large, then corrected exactly.
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

}  // namespace numbers
