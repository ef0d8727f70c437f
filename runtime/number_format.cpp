#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "runtime/numbers.h"

namespace runtime {
namespace {

constexpr int significant_digits = 15;

std::string exponent_text(int exponent) {
    const std::string digits = std::to_string(std::abs(exponent));
    std::string text = exponent < 0 ? "E-" : "E+";
    if (digits.size() < 2) text += '0';
    return text += digits;
}

}  // namespace

std::string to_text(double value) {
    if (value == 0.0) return "0";  // also turns -0 into 0

    // Round once, to 15 significant digits; the layout below only moves
    // the decimal point and drops trailing zeros. snprintf rounds correctly
    // and costs the Windows program far less than std::to_chars with a
    // precision; whatever decimal separator the C locale gives is skipped.
    std::array<char, 40> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.*e", significant_digits - 1, value);
    const std::string_view scientific(buffer.data(), static_cast<std::size_t>(length));

    const bool negative = scientific.front() == '-';
    const std::size_t e = scientific.find('e');
    std::string digits;
    for (char c : scientific.substr(0, e)) {
        if (c >= '0' && c <= '9') digits += c;
    }
    const int exponent = std::atoi(std::string(scientific.substr(e + 1)).c_str());
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string text = negative ? "-" : "";
    if (exponent >= -4 && exponent < significant_digits) {
        if (exponent < 0) {
            text.append("0.").append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
        } else {
            const auto integer_digits = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= integer_digits) {
                text.append(digits).append(integer_digits - digits.size(), '0');
            } else {
                text.append(digits, 0, integer_digits).append(".").append(digits, integer_digits);
            }
        }
    } else {
        text.append(digits, 0, 1);
        if (digits.size() > 1) text.append(".").append(digits, 1);
        text.append(exponent_text(exponent));
    }
    return text;
}

}  // namespace runtime
