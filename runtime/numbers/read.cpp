#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "runtime/numbers/numbers.h"

namespace runtime {
namespace {

constexpr std::string_view no_break_space = "\xC2\xA0";
constexpr std::string_view minus_sign = "\xE2\x88\x92";  // U+2212

bool consume(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

}  // namespace

Number in_range(double value, bool stands_for_nonzero) {
    if (std::isinf(value)) return {0, NumberFault::too_large};
    if (stands_for_nonzero && std::abs(value) < std::numeric_limits<double>::min()) return {0, NumberFault::too_small};
    return {value, NumberFault::none};
}

std::string_view trim_spaces(std::string_view text) {
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

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// An optional sign: true when it makes the value negative.
bool consume_sign(std::string_view& text) {
    if (consume(text, "-") || consume(text, minus_sign)) return true;
    consume(text, "+");
    return false;
}

// The text in the form strtod reads in the current C locale (a toolkit
// may have set a locale whose separator is ','), or false where it holds
// a character no number has. Only the characters are checked here; strtod
// then has to read all of it, which rejects "1..2", "1e" or "-".
struct DecimalText {
    std::string ascii;  // e.g. "-12.5e-3"
    bool has_nonzero_digit = false;
};

bool split(std::string_view text, DecimalText& out) {
    if (consume_sign(text)) out.ascii += '-';
    for (; !text.empty(); text.remove_prefix(1)) {
        const char c = text.front();
        if (is_digit(c)) {
            out.has_nonzero_digit = out.has_nonzero_digit || c != '0';
            out.ascii += c;
        } else if (c == '.' || c == ',') {
            out.ascii += std::localeconv()->decimal_point;
        } else {
            break;
        }
    }
    if (consume(text, "e") || consume(text, "E")) {
        out.ascii += consume_sign(text) ? "e-" : "e";
        for (; !text.empty() && is_digit(text.front()); text.remove_prefix(1)) out.ascii += text.front();
    }
    return text.empty();
}

}  // namespace

Number read_number(std::string_view text) {
    const std::string_view trimmed = trim_spaces(text);
    if (trimmed.empty()) return {0, NumberFault::empty};
    DecimalText decimal;
    if (!split(trimmed, decimal)) return {0, NumberFault::not_a_number};

    // strtod rounds correctly on both platforms and, unlike std::from_chars,
    // adds nothing to the Windows program: its C library already has it.
    char* end = nullptr;
    const double value = std::strtod(decimal.ascii.c_str(), &end);
    if (end != decimal.ascii.c_str() + decimal.ascii.size()) return {0, NumberFault::not_a_number};
    return in_range(value, decimal.has_nonzero_digit);
}

}  // namespace runtime
