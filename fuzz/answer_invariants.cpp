#include "fuzz/answer_invariants.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "fuzz/reference_reading.h"
#include "fuzz/unicode_data.h"
#include "fuzz/utf8.h"
#include "numbers/numbers.h"
#include "runtime/error.h"
#include "runtime/text/quote.h"
#include "runtime/text/utf16.h"
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

using Kind = Reading::Kind;
using Range = Reading::Range;

bool surely_refused(const Reading& reading) {
    return reading.kind != Kind::number || reading.range == Range::too_large || reading.range == Range::too_small;
}

// A code point in UTF-8, a surrogate too, as the runtime's converter writes
// a lone one that a text box holds.
std::string encode(char32_t code) {
    if (code < 0x10000) return runtime::to_utf8(std::u16string(1, static_cast<char16_t>(code)));
    const char32_t above = code - 0x10000;
    return runtime::to_utf8(
        std::u16string{static_cast<char16_t>(0xD800 + (above >> 10)), static_cast<char16_t>(0xDC00 + (above & 0x3FF))});
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

// The reason a message about one coefficient must give, for what the
// reference reading found; a number may be refused only as out of range.
std::vector<std::string_view> verdicts(const Reading& reading, std::string_view message) {
    switch (reading.kind) {
        case Kind::empty:
            broken("an empty box is said to be empty", message);
        case Kind::not_a_number:
            return {"son emas"};
        case Kind::zero_denominator:
            return {"son emas, chunki nolga bo'lish mumkin emas"};
        case Kind::improper_fraction:
            return {"son emas, chunki aralash sonning kasr qismi 0 dan katta va 1 dan kichik bo'ladi"};
        case Kind::bad_group:
            return {"son emas, chunki raqamlar uchtadan guruhlanadi"};
        case Kind::number:
            break;
    }
    switch (reading.range) {
        case Range::too_large:
            return {"juda katta"};
        case Range::too_small:
            return {"juda kichik"};
        case Range::unsure:
            return {"juda katta", "juda kichik"};
        case Range::inside:
            break;
    }
    broken("a number a double holds is not refused", message);
}

void check_input_error(std::string_view message, Coefficient which, std::string_view typed, const Reading& reading) {
    if (reading.kind == Kind::empty && message == solver::messages::coefficient_fault(which, numbers::Fault::empty, ""))
        return;
    const std::string subject = which == Coefficient::a ? "a ning qiymati " : "b ning qiymati ";
    for (const std::string_view verdict : verdicts(reading, message)) {
        const std::string head = subject + std::string(verdict) + ": " + std::string(open_quote);
        if (message.starts_with(head) && message.ends_with(close_quote) &&
            message.size() >= head.size() + close_quote.size()) {
            check_excerpt(message.substr(head.size(), message.size() - head.size() - close_quote.size()), typed,
                          message);
            return;
        }
    }
    broken("an input error gives the reason the reference reading finds", message);
}

void check_error(const runtime::Error& error, std::string_view a_text, const Reading& a, std::string_view b_text,
                 const Reading& b) {
    const std::string_view message = error.what();
    if (error.control() == a_source) {
        check_input_error(message, Coefficient::a, a_text, a);
        return;
    }
    require(!surely_refused(a), "a bad a is reported first, as a", message);
    if (error.control() == b_source) {
        check_input_error(message, Coefficient::b, b_text, b);
        return;
    }
    require(!surely_refused(b), "a bad b is reported as b", message);
    require(error.control().empty(), "a failed division names no box", message);
    require(message == solver::messages::result_too_large || message == solver::messages::result_too_small,
            "two good numbers fail only with a quotient out of range", message);
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::size_t digits_at(std::string_view text, std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && is_digit(text[end])) ++end;
    return end - from;
}

// -?D+(,D+)?(E[+-]DD+)? with no redundant zero, at most 15 significant digits.
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
    if (i < number.size() && number[i] == ',') {
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

// The value the runtime took for a coefficient that led to an answer: the
// reference's nearest double, or near its value where it knows only that.
double taken_value(const Reading& reading, std::string_view text, std::string_view answer) {
    require(!surely_refused(reading), "an answer comes only from two numbers", answer);
    const double value = numbers::read_number(text).value;
    if (reading.value) {
        require(value == *reading.value, "a number is read as the double nearest to it", answer);
    } else if (reading.approximate) {
        require(std::abs(value - *reading.approximate) <= std::abs(*reading.approximate) * 0x1p-52L,
                "a number is read as a double near it", answer);
    }
    return value;
}

std::string with_point(std::string_view number) {
    std::string text(number);
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

// Pasted back into a box, the number shown reads as the double nearest to
// it, wherever that is a normal double (not for the few answers whose 15
// digits round past the largest or below the smallest).
void check_pasted_back(std::string_view number, std::string_view answer) {
    const double nearest = std::strtod(with_point(number).c_str(), nullptr);
    if (!std::isnormal(nearest)) return;
    const numbers::Number pasted = numbers::read_number(number);
    require(pasted.fault == numbers::Fault::none && pasted.value == nearest,
            "an answer pasted into a box reads as itself", answer);
    const Reading reference = read_reference(number);
    require(reference.value == nearest, "the reference reads an answer as itself", answer);
}

void check_answer_text(const std::string& answer, std::string_view a_text, const Reading& a_reading,
                       std::string_view b_text, const Reading& b_reading) {
    const double a = taken_value(a_reading, a_text, answer);
    const double b = taken_value(b_reading, b_text, answer);
    if (answer == solver::infinitely_many) {
        require(a == 0.0 && b == 0.0, "every x solves 0x = 0 only", answer);
        return;
    }
    if (answer == solver::none) {
        require(a == 0.0 && b != 0.0, "no x solves 0x = b for b other than 0 only", answer);
        return;
    }
    const std::string head = std::string(solver::exactly_one) + std::string(solver::x_equals);
    require(answer.starts_with(head), "the answer is one of the three forms", answer);
    require(a != 0.0, "one solution only for a other than 0", answer);

    const std::string_view number = std::string_view(answer).substr(head.size());
    check_number_shape(number, answer);
    require(number != "-0", "never -0", answer);
    check_pasted_back(number, answer);

    const double quotient = b / a;
    require(std::isnormal(quotient) || b == 0.0, "an answer only for a quotient a normal double holds", answer);
    // Long double keeps the text apart from the double arithmetic under test.
    const long double shown = std::strtold(with_point(number).c_str(), nullptr);
    const auto expected = rounded_quotient(b, a);
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
    const Reading a = read_reference(a_text);
    const Reading b = read_reference(b_text);
    std::string answer;
    try {
        answer = solver::answer({a_text, a_source}, {b_text, b_source});
    } catch (const runtime::Error& error) {
        check_error(error, a_text, a, b_text, b);
        return;
    }
    check_answer_text(answer, a_text, a, b_text, b);
}

}  // namespace fuzz
