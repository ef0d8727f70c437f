#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace numbers {

// A non-negative integer as large as exact number work needs (a quotient
// of doubles scaled by a power of ten, or a fraction of 32,767 typed
// digits: some hundred thousand bits), with only the operations that work
// uses. Words are base 2^32, least significant first, with no leading zero.
class Natural {
public:
    explicit Natural(std::uint64_t value = 0);

    // The decimal digits' value ("0042" is 42); digits only.
    static Natural from_digits(std::string_view digits);

    bool is_zero() const { return words_.empty(); }
    int bit_width() const;

    // *this * factor + addend.
    void multiply(std::uint32_t factor, std::uint32_t addend = 0);
    void multiply(const Natural& factor);
    void multiply_by_power_of_ten(int n);
    void multiply_by_power_of_five(int n);
    void add(const Natural& other);
    void shift_left(int bits);
    // *this - other, for other <= *this.
    void subtract(const Natural& other);

    // The number as about leading * 2^exponent, from its top three words:
    // relative error below 2^-50.
    double approximate(int& exponent) const;

    // Below zero, zero or above zero as left is less than, equal to or
    // greater than right.
    friend int compare(const Natural& left, const Natural& right);

private:
    void trim();

    std::vector<std::uint32_t> words_;
};

// numerator / denominator for a quotient below 2^64; numerator is left
// holding the remainder.
std::uint64_t divide(Natural& numerator, const Natural& denominator);

}  // namespace numbers
