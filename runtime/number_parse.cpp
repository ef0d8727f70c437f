#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "runtime/messages.h"
#include "runtime/numbers.h"

namespace runtime {
namespace {

constexpr std::string_view no_break_space = "\xC2\xA0";
constexpr std::string_view minus_sign = "\xE2\x88\x92";  // U+2212

bool consume(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

std::string_view trim(std::string_view text) {
    for (bool trimmed = true; trimmed;) {
        trimmed = consume(text, " ") || consume(text, "\t") || consume(text, no_break_space);
    }
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (std::string_view space : {std::string_view(" "), std::string_view("\t"), no_break_space}) {
            if (text.ends_with(space)) {
                text.remove_suffix(space.size());
                trimmed = true;
            }
        }
    }
    return text;
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// An optional sign: true when it makes the value negative.
bool consume_sign(std::string_view& text) {
    if (consume(text, "-") || consume(text, minus_sign)) return true;
    consume(text, "+");
    return false;
}

// The text split into its parts, already in the form std::from_chars reads.
struct DecimalText {
    std::string ascii;  // e.g. "-12.5e-3"
    bool has_nonzero_digit = false;
    long magnitude = 0;  // roughly log10 of the value; sign tells large from small
};

bool split(std::string_view text, DecimalText& out) {
    if (consume_sign(text)) out.ascii += '-';
    long integer_digits = 0;
    long leading_zeros = 0;
    bool separator_seen = false;
    bool any_digit = false;
    while (!text.empty()) {
        const char c = text.front();
        if (is_digit(c)) {
            if (c != '0' && !out.has_nonzero_digit) {
                out.has_nonzero_digit = true;
            } else if (!out.has_nonzero_digit) {
                ++leading_zeros;
            }
            if (!separator_seen) ++integer_digits;
            any_digit = true;
            out.ascii += c;
        } else if ((c == '.' || c == ',') && !separator_seen) {
            separator_seen = true;
            out.ascii += '.';
        } else {
            break;
        }
        text.remove_prefix(1);
    }
    if (!any_digit) return false;
    long exponent = 0;
    if (consume(text, "e") || consume(text, "E")) {
        const bool negative = consume_sign(text);
        out.ascii += negative ? "e-" : "e";
        if (text.empty() || !is_digit(text.front())) return false;
        while (!text.empty() && is_digit(text.front())) {
            // Saturate: past a million the value is out of range either way.
            exponent = std::min(exponent * 10 + (text.front() - '0'), 1'000'000L);
            out.ascii += text.front();
            text.remove_prefix(1);
        }
        if (negative) exponent = -exponent;
    }
    out.magnitude = exponent + integer_digits - leading_zeros;
    return text.empty();
}

}  // namespace

double to_number(std::string_view text, Coefficient which) {
    const std::string_view trimmed = trim(text);
    if (trimmed.empty()) throw Error(messages::empty_value(which), which);
    DecimalText decimal;
    if (!split(trimmed, decimal)) throw Error(messages::not_a_number(which, trimmed), which);

    double value = 0.0;
    const char* first = decimal.ascii.data();
    const char* last = first + decimal.ascii.size();
    const auto [end, status] = std::from_chars(first, last, value, std::chars_format::general);
    const bool out_of_range =
        status == std::errc::result_out_of_range || std::isinf(value) || (value == 0.0 && decimal.has_nonzero_digit);
    if (out_of_range) {
        throw Error(decimal.magnitude > 0 ? messages::too_large(which, trimmed) : messages::too_small(which, trimmed),
                    which);
    }
    if (status != std::errc() || end != last) throw Error(messages::not_a_number(which, trimmed), which);
    return value;
}

}  // namespace runtime
