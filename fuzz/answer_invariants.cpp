#include "fuzz/answer_invariants.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "fuzz/unicode_data.h"
#include "runtime/error.h"
#include "runtime/numbers/numbers.h"
#include "runtime/text/quote.h"
#include "solver/messages.h"
#include "solver/solver.h"

namespace fuzz {
namespace {

using solver::messages::Coefficient;

constexpr std::string_view open_quote = "\xC2\xAB";
constexpr std::string_view close_quote = "\xC2\xBB.";
constexpr std::string_view ellipsis = "\xE2\x80\xA6";
constexpr std::string_view replacement = "\xEF\xBF\xBD";
constexpr std::size_t excerpt_limit = 40;
constexpr std::string_view a_source = "Text1";
constexpr std::string_view b_source = "Text2";

[[noreturn]] void broken(std::string_view rule, std::string_view result) {
    const std::string report =
        "broken rule: " + std::string(rule) + "\nresult: " + std::string(result.substr(0, 400)) + "\n";
    std::fputs(report.c_str(), stderr);
    std::abort();
}

void require(bool holds, std::string_view rule, std::string_view result) {
    if (!holds) broken(rule, result);
}

std::optional<double> read(std::string_view text) {
    const runtime::Number read = runtime::read_number(text);
    if (read.fault != runtime::NumberFault::none) return std::nullopt;
    return read.value;
}

// Code points of valid UTF-8, or nullopt; written apart from the runtime's
// own decoder so that one cannot vouch for itself.
std::optional<std::u32string> decode(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<std::uint8_t>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        if (length == 0 || lead > 0xF4 || i + length > text.size()) return std::nullopt;
        char32_t code = length == 1 ? lead : lead & (0x7Fu >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(text[i + k]);
            if ((next & 0xC0u) != 0x80u) return std::nullopt;
            code = (code << 6) | (next & 0x3Fu);
        }
        constexpr std::array<char32_t, 5> shortest{0, 0, 0x80, 0x800, 0x10000};
        if (code < shortest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return std::nullopt;
        out += code;
        i += length;
    }
    return out;
}

// A code point in UTF-8, surrogates too, in the three bytes a lenient
// converter writes for them.
std::string encode(char32_t code) {
    std::string out;
    const auto byte = [&](char32_t value) { out += static_cast<char>(value); };
    if (code < 0x80) {
        byte(code);
    } else if (code < 0x800) {
        byte(0xC0 | (code >> 6)), byte(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        byte(0xE0 | (code >> 12)), byte(0x80 | ((code >> 6) & 0x3F)), byte(0x80 | (code & 0x3F));
    } else {
        byte(0xF0 | (code >> 18)), byte(0x80 | ((code >> 12) & 0x3F)), byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    }
    return out;
}

// «excerpt»: valid UTF-8, at most 40 characters then an ellipsis, nothing
// that could garble the message, and taken from what the user typed.
void check_excerpt(std::string_view excerpt, std::string_view typed, std::string_view message) {
    const auto codes = decode(excerpt);
    if (!codes) broken("the quoted text is valid UTF-8", message);
    for (char32_t code : *codes) {
        require(!hidden_by_unicode_data(code), "the quote holds nothing that draws nothing or reorders", message);
    }
    std::string_view kept = excerpt;
    if (codes->size() > excerpt_limit) {
        require(codes->size() == excerpt_limit + 1 && kept.ends_with(ellipsis),
                "a long quote is cut to 40 characters and an ellipsis", message);
        kept.remove_suffix(ellipsis.size());
    }
    require(!kept.empty(), "a quote is never empty", message);
    if (kept.find(replacement) == std::string_view::npos && typed.find(replacement) == std::string_view::npos) {
        require(typed.find(kept) != std::string_view::npos, "the quote comes from the typed text", message);
    }
}

// The forms a message about one coefficient may take.
void check_input_error(std::string_view message, Coefficient which, std::string_view typed) {
    if (message == solver::messages::empty_value(which)) return;
    const std::string subject = which == Coefficient::a ? "a ning qiymati " : "b ning qiymati ";
    for (std::string_view verdict : {"son emas: ", "juda katta: ", "juda kichik: "}) {
        const std::string head = subject + std::string(verdict) + std::string(open_quote);
        if (message.starts_with(head) && message.ends_with(close_quote) &&
            message.size() >= head.size() + close_quote.size()) {
            check_excerpt(message.substr(head.size(), message.size() - head.size() - close_quote.size()), typed,
                          message);
            return;
        }
    }
    broken("an input error has one of the Uzbek forms", message);
}

void check_error(const runtime::Error& error, std::string_view a_text, std::string_view b_text) {
    const std::string_view message = error.what();
    if (!read(a_text)) {
        require(error.control() == a_source, "a bad a is reported first, as a", message);
        check_input_error(message, Coefficient::a, a_text);
    } else if (!read(b_text)) {
        require(error.control() == b_source, "a bad b is reported as b", message);
        check_input_error(message, Coefficient::b, b_text);
    } else {
        require(error.control().empty(), "a failed division names no box", message);
        require(message == solver::messages::result_too_large || message == solver::messages::result_too_small,
                "two good numbers fail only with a quotient out of range", message);
    }
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::size_t digits_at(std::string_view text, std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && is_digit(text[end])) ++end;
    return end - from;
}

// -?D+(.D+)?(E[+-]DD+)? with no redundant zero, at most 15 significant digits.
void check_number_shape(std::string_view number, std::string_view answer) {
    std::size_t i = number.starts_with('-') ? 1 : 0;
    const std::size_t integer = digits_at(number, i);
    require(integer > 0, "the number starts with a digit", answer);
    require(integer == 1 || number[i] != '0', "no leading zero", answer);
    std::size_t significant = 0;
    bool leading = true;
    const auto count = [&](std::string_view digits) {
        for (char c : digits) {
            leading = leading && c == '0';
            if (!leading) ++significant;
        }
    };
    count(number.substr(i, integer));
    i += integer;
    if (i < number.size() && number[i] == '.') {
        const std::size_t fraction = digits_at(number, i + 1);
        require(fraction > 0 && number[i + fraction] != '0', "a fraction has digits and no trailing zero", answer);
        count(number.substr(i + 1, fraction));
        i += 1 + fraction;
    }
    if (i < number.size() && number[i] == 'E') {
        require(i + 1 < number.size() && (number[i + 1] == '+' || number[i + 1] == '-'), "a signed exponent", answer);
        require(digits_at(number, i + 2) >= 2, "an exponent of two digits or more", answer);
        i += 2 + digits_at(number, i + 2);
    }
    require(i == number.size(), "nothing follows the number", answer);
    require(significant <= 15, "at most 15 significant digits", answer);
}

// b / a rounded to 15 significant digits, ties aside, from a quotient in
// long double (64 bits, off by at most 2^-64) and its 19 digits: the four
// past the fifteenth decide the rounding unless they lie within two units
// of halfway, where nullopt says the reference cannot tell.
std::optional<long double> rounded_quotient(double b, double a) {
    std::array<char, 48> text{};
    std::snprintf(text.data(), text.size(), "%.18Le", static_cast<long double>(b) / a);
    const std::string_view written(text.data());
    std::string digits;
    for (char c : written.substr(0, written.find('e'))) {
        if (is_digit(c)) digits += c;
    }
    const int tail = std::stoi(digits.substr(15, 4));
    if (std::abs(tail - 5000) <= 2) return std::nullopt;
    long long head = std::stoll(digits.substr(0, 15));
    if (tail > 5000) ++head;
    const int exponent = std::stoi(std::string(written.substr(written.find('e') + 1))) - 14;
    const std::string rounded = std::to_string(head) + "e" + std::to_string(exponent);
    const long double magnitude = std::strtold(rounded.c_str(), nullptr);
    return written.starts_with('-') ? -magnitude : magnitude;
}

void check_answer_text(const std::string& answer, std::string_view a_text, std::string_view b_text) {
    const auto a = read(a_text);
    const auto b = read(b_text);
    if (!a || !b) broken("an answer comes only from two numbers", answer);
    if (answer == solver::infinitely_many) {
        require(*a == 0.0 && *b == 0.0, "every x solves 0x = 0 only", answer);
        return;
    }
    if (answer == solver::none) {
        require(*a == 0.0 && *b != 0.0, "no x solves 0x = b for b other than 0 only", answer);
        return;
    }
    const std::string head = std::string(solver::exactly_one) + std::string(solver::x_equals);
    require(answer.starts_with(head), "the answer is one of the three forms", answer);
    require(*a != 0.0, "one solution only for a other than 0", answer);

    const std::string_view number = std::string_view(answer).substr(head.size());
    check_number_shape(number, answer);
    require(number != "-0", "never -0", answer);

    const double quotient = *b / *a;
    require(std::isnormal(quotient) || *b == 0.0, "an answer only for a quotient a normal double holds", answer);
    // Long double keeps the text apart from the double arithmetic under test.
    const long double shown = std::strtold(std::string(number).c_str(), nullptr);
    const auto expected = rounded_quotient(*b, *a);
    if (expected) {
        require(shown == *expected, "the number is the exact quotient rounded to 15 digits", answer);
    } else {
        require(std::abs(shown - quotient) <= std::abs(quotient) * 1e-14L, "the number is the quotient to 15 digits",
                answer);
    }
}

}  // namespace

void check_every_code_point() {
    for (char32_t code = 0; code <= 0x10FFFF; ++code) {
        const std::string alone = encode(code);
        const std::string_view expected = hidden_by_unicode_data(code) ? replacement : alone;
        require(runtime::quoted_excerpt(alone) == expected,
                "a character is quoted as itself or hidden, as Unicode says", alone);
    }
}

void check_answer(std::string_view a_text, std::string_view b_text) {
    std::string answer;
    try {
        answer = solver::answer({a_text, a_source}, {b_text, b_source});
    } catch (const runtime::Error& error) {
        check_error(error, a_text, b_text);
        return;
    }
    check_answer_text(answer, a_text, b_text);
}

}  // namespace fuzz
