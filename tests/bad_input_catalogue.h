#pragma once

// Hostile and odd things a user can type, each with what the program must
// show: the right answer, or one Uzbek error while Label5 and both boxes keep
// what they held. Written once, run against the core and through each window.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace bad_input {

enum class Outcome { answer, error };

struct Entry {
    std::string name;  // also a test name: letters, digits and '_'
    std::string a;     // typed into Text1, UTF-8
    std::string b;     // typed into Text2
    Outcome outcome;
    std::string shown;       // the answer in Label5, or the error message
    std::string_view focus;  // after an error, the box the user is sent back to
    std::u16string a_utf16;  // if set, what a UTF-16 window types as a instead
};

namespace detail {

inline const std::string m3 = "tenglama yagona yechimga ega   X=";
inline const std::string ellipsis = "\xE2\x80\xA6";
inline const std::string replacement = "\xEF\xBF\xBD";

inline std::string quote(std::string_view which, std::string_view verdict, std::string_view excerpt) {
    return std::string(which) + " ning qiymati " + std::string(verdict) + ": \xC2\xAB" + std::string(excerpt) +
           "\xC2\xBB.";
}

inline Entry answer(std::string name, std::string a, std::string b, std::string shown) {
    return {std::move(name), std::move(a), std::move(b), Outcome::answer, std::move(shown), "", {}};
}

inline Entry error(std::string name, std::string a, std::string b, std::string message, std::string_view focus) {
    return {std::move(name), std::move(a), std::move(b), Outcome::error, std::move(message), focus, {}};
}

// An error about a, or about b when a is good.
inline Entry bad_a(std::string name, std::string a, std::string_view verdict, std::string_view excerpt) {
    return error(std::move(name), std::move(a), "5", quote("a", verdict, excerpt), "Text1");
}
inline Entry bad_b(std::string name, std::string b, std::string_view verdict, std::string_view excerpt) {
    return error(std::move(name), "2", std::move(b), quote("b", verdict, excerpt), "Text2");
}

}  // namespace detail

// The longest text a Windows edit box holds by default.
inline constexpr std::size_t longest_text = 32767;

inline std::vector<Entry> catalogue() {
    using namespace detail;
    const std::string r = replacement;
    const std::string zeros(longest_text - 1, '0');
    std::vector<Entry> entries{
        error("empty_a", "", "5", "a ning qiymati kiritilmagan.", "Text1"),
        error("empty_b", "2", "", "b ning qiymati kiritilmagan.", "Text2"),
        error("only_spaces_a", "   ", "5", "a ning qiymati kiritilmagan.", "Text1"),
        error("only_spaces_and_tab_b", "2", " \t\xC2\xA0 ", "b ning qiymati kiritilmagan.", "Text2"),
        bad_a("letters", "abc", "son emas", "abc"),
        error("both_wrong_a_first", "x", "y", quote("a", "son emas", "x"), "Text1"),
        bad_b("digits_then_letters", " 12abc ", "son emas", "12abc"),
        bad_a("two_points", "1..2", "son emas", "1..2"),
        bad_a("two_commas", "1,2,3", "son emas", "1,2,3"),
        bad_a("double_minus", "--1", "son emas", "--1"),
        bad_a("exponent_without_digits", "1e", "son emas", "1e"),
        bad_b("exponent_without_mantissa", "e5", "son emas", "e5"),
        bad_a("hexadecimal", "0x10", "son emas", "0x10"),
        bad_a("infinity", "inf", "son emas", "inf"),
        bad_b("minus_infinity", "-inf", "son emas", "-inf"),
        bad_b("not_a_number", "nan", "son emas", "nan"),
        bad_a("too_large", "1e400", "juda katta", "1e400"),
        bad_b("too_large_negative", "-1e400", "juda katta", "-1e400"),
        bad_a("too_small", "1e-400", "juda kichik", "1e-400"),
        bad_a("longest_number", "1" + zeros, "juda katta", "1" + zeros.substr(0, 39) + ellipsis),
        bad_b("longest_fraction", "0," + zeros.substr(2) + "1", "juda kichik", "0," + zeros.substr(0, 38) + ellipsis),
        answer("longest_leading_zeros", "2", zeros + "5", m3 + "2,5"),
        answer("longest_spaces_then_1", std::string(longest_text, ' ') + "1", "5", m3 + "5"),
        bad_a("nul_inside",
              std::string("1\0"
                          "2",
                          3),
              "son emas", "1" + r + "2"),
        bad_b("control_characters", "\x1B[5\x07\x7F", "son emas", r + "[5" + r + r),
        bad_a("c1_control", "2\xC2\x85", "son emas", "2" + r),
        bad_a("newline_after", "2\r\n", "son emas", "2" + r + r),
        bad_a("right_to_left_mark",
              "\xE2\x80\x8F"
              "2",
              "son emas", r + "2"),
        bad_b("right_to_left_override",
              "2\xE2\x80\xAE"
              "5",
              "son emas", "2" + r + "5"),
        // Drawing nothing, so the quote would look like a good number.
        bad_b("zero_width_space", "5\xE2\x80\x8B", "son emas", "5" + r),
        bad_a("invisible_characters",
              "2\xC2\xAD\xD8\x9C\xE2\x80\x8C\xE2\x80\x8D\xE2\x81\xA0\xEF\xBB\xBF\xE2\x80\xA8\xE2\x80\xA9", "son emas",
              "2" + r + r + r + r + r + r + r + r),
        bad_a("emoji", "\xF0\x9F\x98\x80", "son emas", "\xF0\x9F\x98\x80"),
        bad_a("full_width_digits", "\xEF\xBC\x92\xEF\xBC\x95", "son emas", "\xEF\xBC\x92\xEF\xBC\x95"),
        bad_a("invalid_utf8",
              "\xFF"
              "2",
              "son emas", r + "2"),
        bad_b("cut_utf8_sequence", "2\xC5", "son emas", "2" + r),
        error("quotient_too_large", "1e-300", "1e300", "Natija juda katta.", ""),
        error("quotient_too_small", "1e300", "1e-300", "Natija juda kichik.", ""),
        // Subnormal numbers keep too few digits to show 15, even where the
        // quotient would be an ordinary number.
        error("subnormal_b", "1e-300", "1e-320", quote("b", "juda kichik", "1e-320"), "Text2"),
        error("subnormal_quotient", "1e308", "1e-10", "Natija juda kichik.", ""),
        answer("last_digit_of_the_exact_quotient", "27", "14", m3 + "0,518518518518519"),
        // Fractions, mixed numbers and digit groups, as copied from a document.
        answer("fractions", "2/3", "-1 1/2", m3 + "-2,25"),
        answer("groups_and_wide_spaces",
               "\xE3\x80\x80"
               "1\xE2\x80\xAF"
               "000",
               "-12\xC2\xA0"
               "345,5\xE2\x80\x83",
               m3 + "-12,3455"),
        bad_b("zero_denominator", " 3/0 ", "son emas, chunki nolga bo'lish mumkin emas", "3/0"),
        bad_a("two_slashes", "1//2", "son emas", "1//2"),
        bad_b("slash_at_the_end", "3/", "son emas", "3/"),
        bad_a("slash_at_the_start", "/4", "son emas", "/4"),
        bad_a("improper_mixed_number", "1 3/2",
              "son emas, chunki aralash sonning kasr qismi 0 dan katta va 1 dan kichik bo'ladi", "1 3/2"),
        bad_b("group_of_two_digits", "1 00", "son emas, chunki raqamlar uchtadan guruhlanadi", "1 00"),
        bad_a("group_of_four_digits",
              "12\xE2\x80\x89"
              "3456",
              "son emas, chunki raqamlar uchtadan guruhlanadi",
              "12\xE2\x80\x89"
              "3456"),
    };
    // A lone UTF-16 surrogate. In UTF-8 it can only arrive as the bytes a
    // lenient conversion makes of it, one placeholder in the quote; a UTF-16
    // window types the surrogate itself.
    Entry surrogate = bad_a("unpaired_surrogate",
                            "1\xED\xA0\x80"
                            "2",
                            "son emas", "1" + r + "2");
    surrogate.a_utf16 =
        u"1\xD800"
        "2";
    entries.push_back(std::move(surrogate));
    return entries;
}

// An entry as a one-line box keeps it when its text is pasted, as a user
// brings in what keys cannot type: the first line only, and at most
// 32,767 UTF-16 units (the end of a longer paste is dropped).
inline Entry as_pasted(const Entry& entry) {
    using namespace detail;
    if (entry.name == "newline_after") return answer(entry.name, "2", entry.b, m3 + "2,5");
    if (entry.name == "longest_spaces_then_1") {
        return error(entry.name, std::string(longest_text, ' '), entry.b, "a ning qiymati kiritilmagan.", "Text1");
    }
    return entry;
}

}  // namespace bad_input
