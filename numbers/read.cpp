#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "numbers/natural.h"
#include "numbers/numbers.h"
#include "numbers/quotient.h"

namespace numbers {
namespace {

constexpr std::string_view minus_sign = "\xE2\x88\x92";  // U+2212

// Trimmed from both ends: the tab and every space separator (Unicode's
// category Zs), as documents and other programs paste them.
// clang-format off
constexpr std::array<std::string_view, 18> spaces{
    "\t", " ", "\xC2\xA0", "\xE1\x9A\x80",  // tab, space, U+00A0, U+1680
    "\xE2\x80\x80", "\xE2\x80\x81", "\xE2\x80\x82", "\xE2\x80\x83", "\xE2\x80\x84", "\xE2\x80\x85",  // U+2000...
    "\xE2\x80\x86", "\xE2\x80\x87", "\xE2\x80\x88", "\xE2\x80\x89", "\xE2\x80\x8A",  // ...to U+200A
    "\xE2\x80\xAF", "\xE2\x81\x9F", "\xE3\x80\x80"};  // U+202F, U+205F, U+3000
// clang-format on

// Between digit groups, and between a mixed number's whole and its
// fraction: space, no-break space, narrow no-break space and thin space.
constexpr std::array<std::string_view, 4> group_separators{" ", "\xC2\xA0", "\xE2\x80\xAF", "\xE2\x80\x89"};

bool consume(std::string_view& text, std::string_view prefix) {
    // The first byte settles nearly every try, and trimming tries 18 spaces.
    if (text.empty() || text.front() != prefix.front() || !text.starts_with(prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

template <std::size_t count>
bool consume_any(std::string_view& text, const std::array<std::string_view, count>& prefixes) {
    for (const std::string_view prefix : prefixes) {
        if (consume(text, prefix)) return true;
    }
    return false;
}

// Whether a space may start or end with this byte: of ASCII, only the tab
// and the space do, which settles the usual text at once.
bool may_be_in_space(char c) { return c == ' ' || c == '\t' || static_cast<unsigned char>(c) >= 0x80; }

}  // namespace

Number in_range(double value, bool stands_for_nonzero) {
    if (std::isinf(value)) return {0, Fault::too_large};
    if (stands_for_nonzero && std::abs(value) < std::numeric_limits<double>::min()) return {0, Fault::too_small};
    return {value, Fault::none};
}

std::string_view trim_spaces(std::string_view text) {
    while (!text.empty() && may_be_in_space(text.front()) && consume_any(text, spaces)) {
    }
    for (bool trimmed = true; trimmed && !text.empty() && may_be_in_space(text.back());) {
        trimmed = false;
        for (const std::string_view space : spaces) {
            if (!text.empty() && text.back() == space.back() && text.ends_with(space)) {
                text.remove_suffix(space.size());
                trimmed = true;
            }
        }
    }
    return text;
}

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::string_view take_digits(std::string_view& text) {
    std::size_t count = 0;
    while (count < text.size() && is_digit(text[count])) ++count;
    const std::string_view digits = text.substr(0, count);
    text.remove_prefix(count);
    return digits;
}

// An optional sign: true when it makes the value negative.
bool consume_sign(std::string_view& text) {
    if (consume(text, "-") || consume(text, minus_sign)) return true;
    consume(text, "+");
    return false;
}

// A number's digits with its decimal separator taken out: "12,5" is 125,
// one digit of it decimal.
struct Digits {
    std::string digits;
    std::size_t decimals = 0;
};

// The whole part's digits, grouped ("12 345") or not; false where a
// separator has no digit after it. A group of other than three digits, or
// a first one of more, clears well_grouped: a number, but grouped wrongly.
bool take_grouped(std::string_view& text, std::string& digits, bool& well_grouped) {
    const std::string_view first = take_digits(text);
    digits = first;
    bool grouped = false;
    while (!first.empty() && consume_any(text, group_separators)) {
        const std::string_view group = take_digits(text);
        if (group.empty()) return false;
        well_grouped = well_grouped && group.size() == 3;
        grouped = true;
        digits += group;
    }
    if (grouped && first.size() > 3) well_grouped = false;
    return true;
}

// A decimal separator, '.' or ',', and the digits after it, if there.
void take_decimals(std::string_view& text, Digits& number) {
    if (!consume(text, ".") && !consume(text, ",")) return;
    const std::string_view decimals = take_digits(text);
    number.digits += decimals;
    number.decimals = decimals.size();
}

// The whole text one number with neither sign, groups nor exponent, as a
// fraction's numerator and denominator are: "3", "1,5", ".5".
bool read_plain(std::string_view text, Digits& number) {
    number.digits = take_digits(text);
    take_decimals(text, number);
    return text.empty() && !number.digits.empty();
}

// An exponent's digits, held at a billion: far past any power a double
// reaches, and a size a digit count added to it cannot overflow.
std::int64_t exponent_value(std::string_view digits) {
    std::int64_t value = 0;
    for (const char digit : digits) value = std::min<std::int64_t>(value * 10 + (digit - '0'), 1'000'000'000);
    return value;
}

// digits * 10^scale, rounded once to the nearest double, ties to even: as
// strtod reads it, without its soft long-double arithmetic or the C locale.
double scaled_decimal(std::string_view digits, std::int64_t scale) {
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.empty()) return 0;
    // The value lies in [10^(magnitude-1), 10^magnitude).
    const std::int64_t magnitude = static_cast<std::int64_t>(digits.size()) + scale;
    if (magnitude > 310) return std::numeric_limits<double>::infinity();
    if (magnitude < -330) return 0;
    // Up to 15 digits and 10^22 are exact doubles: one operation on exact
    // operands rounds once, as the exact reading would.
    constexpr std::array<double, 23> powers{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                            1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (digits.size() <= 15 && scale >= -22 && scale <= 22) {
        std::uint64_t whole = 0;
        for (const char digit : digits) whole = whole * 10 + static_cast<std::uint64_t>(digit - '0');
        const auto exact = static_cast<double>(whole);
        return scale < 0 ? exact / powers[static_cast<std::size_t>(-scale)]
                         : exact * powers[static_cast<std::size_t>(scale)];
    }
    Natural top = Natural::from_digits(digits);
    Natural bottom(1);
    (scale < 0 ? bottom : top).multiply_by_power_of_ten(static_cast<int>(std::abs(scale)));
    return nearest_double(std::move(top), std::move(bottom));
}

// "12 345,5e-3" without its sign: whole part, decimals, exponent.
Number read_decimal(std::string_view text) {
    bool well_grouped = true;
    Digits mantissa;
    if (!take_grouped(text, mantissa.digits, well_grouped)) return {0, Fault::not_a_number};
    take_decimals(text, mantissa);
    std::int64_t exponent = 0;
    if (consume(text, "e") || consume(text, "E")) {
        const bool negative = consume_sign(text);
        const std::string_view digits = take_digits(text);
        if (digits.empty()) return {0, Fault::not_a_number};
        exponent = negative ? -exponent_value(digits) : exponent_value(digits);
    }
    if (!text.empty() || mantissa.digits.empty()) return {0, Fault::not_a_number};
    if (!well_grouped) return {0, Fault::bad_group};
    const bool nonzero = mantissa.digits.find_first_not_of('0') != std::string::npos;
    const auto scale = exponent - static_cast<std::int64_t>(mantissa.decimals);
    return in_range(scaled_decimal(mantissa.digits, scale), nonzero);
}

// "3/4" or, with a whole number before the last separator, "1 1/2",
// without its sign; left and right of the first slash.
Number read_fraction(std::string_view left, std::string_view right) {
    std::size_t cut = std::string_view::npos;
    std::size_t cut_size = 0;
    for (const std::string_view separator : group_separators) {
        const std::size_t at = left.rfind(separator);
        if (at != std::string_view::npos && (cut == std::string_view::npos || at > cut)) {
            cut = at;
            cut_size = separator.size();
        }
    }
    const bool mixed = cut != std::string_view::npos;
    std::string_view whole_text = mixed ? left.substr(0, cut) : std::string_view();
    bool well_grouped = true;
    std::string whole;
    Digits numerator;
    Digits denominator;
    if (mixed && (!take_grouped(whole_text, whole, well_grouped) || whole.empty() || !whole_text.empty())) {
        return {0, Fault::not_a_number};
    }
    if (!read_plain(left.substr(mixed ? cut + cut_size : 0), numerator) || !read_plain(right, denominator)) {
        return {0, Fault::not_a_number};
    }
    if (!well_grouped) return {0, Fault::bad_group};

    // n / 10^i over d / 10^k is n 10^k over d 10^i, exactly.
    Natural bottom = Natural::from_digits(denominator.digits);
    if (bottom.is_zero()) return {0, Fault::zero_denominator};
    bottom.multiply_by_power_of_ten(static_cast<int>(numerator.decimals));
    Natural top = Natural::from_digits(numerator.digits);
    top.multiply_by_power_of_ten(static_cast<int>(denominator.decimals));
    if (mixed) {
        // Proper, so that "1 000/3" is no silent 1 + 0/3.
        if (top.is_zero() || compare(top, bottom) >= 0) return {0, Fault::improper_fraction};
        Natural whole_part = Natural::from_digits(whole);
        whole_part.multiply(bottom);
        top.add(whole_part);
    }
    const bool nonzero = !top.is_zero();
    return in_range(nearest_double(std::move(top), std::move(bottom)), nonzero);
}

}  // namespace

Number read_number(std::string_view text) {
    std::string_view number = trim_spaces(text);
    if (number.empty()) return {0, Fault::empty};
    const bool negative = consume_sign(number);
    const std::size_t slash = number.find('/');
    Number read = slash == std::string_view::npos ? read_decimal(number)
                                                  : read_fraction(number.substr(0, slash), number.substr(slash + 1));
    if (negative) read.value = -read.value;
    return read;
}

}  // namespace numbers
