#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "numbers/numbers.h"
#include "numbers/quotient.h"

namespace numbers {
namespace {

constexpr int significant_digits = 15;
constexpr std::string_view decimal_comma = ",";  // as Uzbek writes numbers

std::string exponent_text(int exponent) {
    const std::string digits = std::to_string(std::abs(exponent));
    std::string text = exponent < 0 ? "E-" : "E+";
    if (digits.size() < 2) text += '0';
    return text += digits;
}

// The digits as they are shown: only the decimal comma moves and trailing
// zeros go; the rounding is done.
std::string digits_as_shown(const Decimal& number) {
    if (number.significand == 0) return "0";
    // On the stack: the text of 15 digits would be an allocation of its own.
    std::array<char, 20> buffer{};
    const char* const end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number.significand).ptr;
    std::string_view digits(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    const int exponent = number.exponent + significant_digits - 1;  // of the first digit
    while (digits.size() > 1 && digits.back() == '0') digits.remove_suffix(1);

    std::string text = number.negative ? "-" : "";
    if (exponent >= -4 && exponent < significant_digits) {
        if (exponent < 0) {
            text.append("0").append(decimal_comma).append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
        } else {
            const auto integer_digits = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= integer_digits) {
                text.append(digits).append(integer_digits - digits.size(), '0');
            } else {
                text.append(digits, 0, integer_digits).append(decimal_comma).append(digits, integer_digits);
            }
        }
    } else {
        text.append(digits, 0, 1);
        if (digits.size() > 1) text.append(decimal_comma).append(digits, 1);
        text.append(exponent_text(exponent));
    }
    return text;
}

}  // namespace

Quotient quotient(double dividend, double divisor) {
    if (!std::isnormal(divisor) || (!std::isnormal(dividend) && dividend != 0.0)) return {{}, Fault::bad_operand};
    const Number divided = in_range(dividend / divisor, dividend != 0.0);
    if (divided.fault != Fault::none) return {{}, divided.fault};
    return {digits_as_shown(round_quotient(dividend, divisor)), Fault::none};
}

}  // namespace numbers
