#include "fuzz/reference_reading.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "fuzz/unicode_data.h"
#include "fuzz/utf8.h"

namespace fuzz {
namespace {

using Kind = Reading::Kind;
using Range = Reading::Range;

bool is_digit(char32_t c) { return c >= '0' && c <= '9'; }
bool is_minus(char32_t c) { return c == '-' || c == 0x2212; }
bool is_decimal_separator(char32_t c) { return c == '.' || c == ','; }
bool is_group_separator(char32_t c) { return c == ' ' || c == 0xA0 || c == 0x202F || c == 0x2009; }
bool is_exponent(char32_t c) { return c == 'e' || c == 'E'; }
bool is_slash(char32_t c) { return c == '/'; }

template <class Is>
std::vector<std::u32string_view> split(std::u32string_view text, Is is) {
    std::vector<std::u32string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || is(text[i])) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

bool digits_only(std::u32string_view text) { return std::all_of(text.begin(), text.end(), is_digit); }

std::string ascii(std::u32string_view digits) {
    std::string out;
    for (const char32_t c : digits) out += static_cast<char>(c);
    return out;
}

bool all_zeros(const std::string& digits) { return digits.find_first_not_of('0') == std::string::npos; }

// A number as whole and decimal digits: "12,5" is "12" and "5".
struct Decimal {
    std::string whole;
    std::string decimals;
};

// Digits with at most one decimal separator, and one digit at least.
std::optional<Decimal> plain(std::u32string_view text) {
    const auto parts = split(text, is_decimal_separator);
    if (parts.size() > 2 || !digits_only(parts[0]) || (parts.size() == 2 && !digits_only(parts[1]))) {
        return std::nullopt;
    }
    Decimal number{ascii(parts[0]), parts.size() == 2 ? ascii(parts[1]) : ""};
    if (number.whole.empty() && number.decimals.empty()) return std::nullopt;
    return number;
}

// A whole part, in groups or not: its digits, or nullopt where a group is
// empty or more than digits. A wrong size of group clears well_grouped.
std::optional<std::string> grouped(std::u32string_view text, bool& well_grouped) {
    const auto groups = split(text, is_group_separator);
    std::string digits;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (!digits_only(groups[i]) || (groups.size() > 1 && groups[i].empty())) return std::nullopt;
        if (groups.size() > 1 && (i == 0 ? groups[i].size() > 3 : groups[i].size() != 3)) well_grouped = false;
        digits += ascii(groups[i]);
    }
    return digits;
}

Reading refused(Kind kind) { return {kind, Range::unsure, std::nullopt, std::nullopt}; }

// A number whose nearest double is known.
Reading exactly(double value, bool nonzero) {
    if (std::isinf(value)) return {Kind::number, Range::too_large, std::nullopt, std::nullopt};
    if (nonzero && std::abs(value) < std::numeric_limits<double>::min()) {
        return {Kind::number, Range::too_small, std::nullopt, std::nullopt};
    }
    return {Kind::number, Range::inside, value, std::nullopt};
}

// A non-zero number known about, or, where a part of it was beyond long
// double, not at all.
Reading approximately(long double value, bool parts_normal) {
    const long double size = std::abs(value);
    constexpr long double margin = 1e-15L;
    const long double largest = std::numeric_limits<double>::max();
    const long double smallest = std::numeric_limits<double>::min();
    Range range = Range::unsure;
    if (!parts_normal || !std::isfinite(value)) {
        range = Range::unsure;
    } else if (size > largest * (1 + margin)) {
        range = Range::too_large;
    } else if (size < smallest * (1 - margin)) {
        range = Range::too_small;
    } else if (size < largest * (1 - margin) && size > smallest * (1 + margin)) {
        range = Range::inside;
    }
    if (!parts_normal) return {Kind::number, range, std::nullopt, std::nullopt};
    return {Kind::number, range, std::nullopt, value};
}

Reading decimal(std::u32string_view text, bool negative) {
    const auto at_exponent = split(text, is_exponent);
    if (at_exponent.size() > 2) return refused(Kind::not_a_number);
    std::string exponent;
    if (at_exponent.size() == 2) {
        std::u32string_view power = at_exponent[1];
        const bool minus = !power.empty() && is_minus(power.front());
        if (!power.empty() && (minus || power.front() == '+')) power.remove_prefix(1);
        if (power.empty() || !digits_only(power)) return refused(Kind::not_a_number);
        exponent = (minus ? "e-" : "e") + ascii(power);
    }
    const auto parts = split(at_exponent[0], is_decimal_separator);
    if (parts.size() > 2 || (parts.size() == 2 && !digits_only(parts[1]))) return refused(Kind::not_a_number);
    bool well_grouped = true;
    const auto whole = grouped(parts[0], well_grouped);
    const std::string decimals = parts.size() == 2 ? ascii(parts[1]) : "";
    if (!whole || (whole->empty() && decimals.empty())) return refused(Kind::not_a_number);
    if (!well_grouped) return refused(Kind::bad_group);
    const std::string c_text = (negative ? "-" : "") + *whole + "." + decimals + exponent;
    return exactly(std::strtod(c_text.c_str(), nullptr), !all_zeros(*whole + decimals));
}

// The digits as a number scaled to `places` decimals, without leading zeros:
// two such texts compare as their numbers do, by length, then by digits.
std::string scaled(const Decimal& number, std::size_t places) {
    std::string digits = number.whole + number.decimals + std::string(places - number.decimals.size(), '0');
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    return digits;
}

bool less(const Decimal& left, const Decimal& right) {
    const std::size_t places = std::max(left.decimals.size(), right.decimals.size());
    const std::string l = scaled(left, places);
    const std::string r = scaled(right, places);
    return l.size() != r.size() ? l.size() < r.size() : l < r;
}

// digits followed by `zeros` zeros, where that is below 2^64.
std::optional<std::uint64_t> small(const std::string& digits, std::size_t zeros) {
    std::uint64_t value = 0;
    for (const char c : digits + std::string(std::min<std::size_t>(zeros, 40), '0')) {
        if (__builtin_mul_overflow(value, 10, &value) || __builtin_add_overflow(value, c - '0', &value)) {
            return std::nullopt;
        }
    }
    return value;
}

// top / bottom rounded to 53 bits from its long double quotient, exact to
// 64: unless it lies on the halfway point between two doubles, where the
// 64 bits cannot tell which side the rest is.
std::optional<double> nearest(std::uint64_t top, std::uint64_t bottom) {
    const long double ratio = static_cast<long double>(top) / static_cast<long double>(bottom);
    int exponent = 0;
    const auto bits = static_cast<std::uint64_t>(std::ldexp(std::frexp(ratio, &exponent), 64));
    if ((bits & 0x7FF) == 0x400) return std::nullopt;
    return static_cast<double>(ratio);
}

long double approximate(const Decimal& number) {
    return std::strtold((number.whole + "." + number.decimals).c_str(), nullptr);
}

bool normal_or_zero(long double value) { return value == 0 || std::isnormal(value); }

Reading fraction(std::u32string_view left, std::u32string_view right, bool negative) {
    const auto pieces = split(left, is_group_separator);
    const bool mixed = pieces.size() > 1;
    bool well_grouped = true;
    std::optional<std::string> whole = "";
    if (mixed) whole = grouped(left.substr(0, left.size() - pieces.back().size() - 1), well_grouped);
    const auto numerator = plain(pieces.back());
    const auto denominator = plain(right);
    if (!numerator || !denominator || !whole || (mixed && whole->empty())) return refused(Kind::not_a_number);
    if (!well_grouped) return refused(Kind::bad_group);
    if (all_zeros(denominator->whole + denominator->decimals)) return refused(Kind::zero_denominator);
    const bool numerator_zero = all_zeros(numerator->whole + numerator->decimals);
    if (mixed && (numerator_zero || !less(*numerator, *denominator))) return refused(Kind::improper_fraction);
    if (numerator_zero && all_zeros(*whole)) return {Kind::number, Range::inside, negative ? -0.0 : 0.0, std::nullopt};

    // whole + n / 10^i over d / 10^k is (whole d 10^i + n 10^k) / (d 10^i).
    const std::string n_digits = numerator->whole + numerator->decimals;
    const std::string d_digits = denominator->whole + denominator->decimals;
    const auto n = small(n_digits, denominator->decimals.size());
    const auto d = small(d_digits, numerator->decimals.size());
    const auto w = small(*whole, 0);
    std::uint64_t top = 0;
    if (n && d && w && !__builtin_mul_overflow(*w, *d, &top) && !__builtin_add_overflow(top, *n, &top)) {
        if (const auto value = nearest(top, *d)) return exactly(negative ? -*value : *value, true);
    }
    const long double w_value = std::strtold((*whole + ".").c_str(), nullptr);
    const long double n_value = approximate(*numerator);
    const long double d_value = approximate(*denominator);
    const long double value = w_value + n_value / d_value;
    return approximately(negative ? -value : value,
                         normal_or_zero(w_value) && std::isnormal(n_value) && std::isnormal(d_value));
}

}  // namespace

Reading read_reference(std::string_view text) {
    const auto decoded = decode(text);
    if (!decoded) return refused(Kind::not_a_number);  // no byte of a number is invalid UTF-8
    std::u32string_view rest = *decoded;
    const auto trimmed = [](char32_t c) { return c == '\t' || space_by_unicode_data(c); };
    while (!rest.empty() && trimmed(rest.front())) rest.remove_prefix(1);
    while (!rest.empty() && trimmed(rest.back())) rest.remove_suffix(1);
    if (rest.empty()) return refused(Kind::empty);
    const bool negative = is_minus(rest.front());
    if (negative || rest.front() == '+') rest.remove_prefix(1);
    const auto at_slash = split(rest, is_slash);
    if (at_slash.size() == 1) return decimal(rest, negative);
    if (at_slash.size() > 2) return refused(Kind::not_a_number);
    return fraction(at_slash[0], at_slash[1], negative);
}

}  // namespace fuzz
