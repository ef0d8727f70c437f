#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "runtime/error.h"
#include "runtime/numbers/numbers.h"

namespace {

using runtime::to_text;

struct Formatted {
    double value;
    const char* text;
};

class FormattedNumber : public testing::TestWithParam<Formatted> {};

TEST_P(FormattedNumber, Text) { EXPECT_EQ(to_text(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Table, FormattedNumber,
                         testing::Values(Formatted{2.5, "2,5"}, Formatted{0.0, "0"}, Formatted{-0.0, "0"},
                                         Formatted{-2.0, "-2"}, Formatted{1.0 / 3.0, "0,333333333333333"},
                                         Formatted{2.0 / 3.0, "0,666666666666667"}, Formatted{0.3 / 0.1, "3"},
                                         Formatted{1e20, "1E+20"}, Formatted{0.0001, "0,0001"},
                                         Formatted{0.00001, "1E-05"}, Formatted{123456789012345.0, "123456789012345"},
                                         Formatted{1234567890123456.0, "1,23456789012346E+15"},
                                         Formatted{999999999999999.9, "1E+15"}, Formatted{-0.00012345, "-0,00012345"},
                                         Formatted{0.000099999999999999999, "0,0001"}, Formatted{100.0, "100"},
                                         Formatted{-1.5e-7, "-1,5E-07"}, Formatted{1e100, "1E+100"},
                                         Formatted{std::numeric_limits<double>::max(), "1,79769313486232E+308"},
                                         Formatted{-std::numeric_limits<double>::min(), "-2,2250738585072E-308"}));

// Rounded once from the exact quotient: through the double quotient the
// last digit of the first two would be 8 and 9.
struct Divided {
    double dividend, divisor;
    const char* text;
};

class DividedNumber : public testing::TestWithParam<Divided> {};

TEST_P(DividedNumber, Text) {
    EXPECT_EQ(runtime::quotient_text(GetParam().dividend, GetParam().divisor), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, DividedNumber,
                         testing::Values(Divided{14, 27, "0,518518518518519"}, Divided{57, -13, "-4,38461538461538"},
                                         Divided{-0.0, 3, "0"}, Divided{1e-300, 3, "3,33333333333333E-301"},
                                         // Logarithms put this one below 10 at first.
                                         Divided{7.9, 0.79, "10"},
                                         // Exactly halfway: to the even digit.
                                         Divided{1000000000000005, 1, "1E+15"},
                                         Divided{-1000000000000015, 1, "-1,00000000000002E+15"},
                                         // The same where the long division decides (600 is no power of two).
                                         Divided{3063155070686049, 600, "5105258451143,42"},
                                         Divided{3063155070686055, 600, "5105258451143,42"}));

// No text for what the program never shows: a wrong number there would hide
// the fault that let it through.
TEST(FormattedNumber, NotFiniteOrSubnormalIsAnInternalFault) {
    for (double value : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                         -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::denorm_min()}) {
        EXPECT_THROW(to_text(value), runtime::Error) << value;
    }
    EXPECT_THROW(runtime::quotient_text(1, 0), runtime::Error);
}

// Whatever the double, its text has at most 15 significant digits and, as
// a user pastes it back into a box, reads as the double rounded to 15
// significant digits.
TEST(FormattedNumber, ReadsBackAsTheValueRoundedToFifteenDigits) {
    std::mt19937_64 random(20261208);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int i = 0; i < 100000; ++i) {
        double x = 0;
        const std::uint64_t raw = bits(random);
        static_assert(sizeof raw == sizeof x);
        std::memcpy(&x, &raw, sizeof x);
        if (!std::isnormal(x)) continue;

        const std::string text = to_text(x);
        int digits = 0;
        bool leading = true;
        for (char c : text.substr(0, text.find('E'))) {
            if (c >= '1' && c <= '9') leading = false;
            if (c >= '0' && c <= '9' && !leading) ++digits;
        }
        ASSERT_LE(digits, 15) << text;
        // The reference rounding comes from std::to_chars, independent of
        // the C library's printf that the program itself uses.
        std::array<char, 40> expected{};
        const auto written =
            std::to_chars(expected.data(), expected.data() + expected.size(), x, std::chars_format::scientific, 14);
        double rounded = 0;
        std::from_chars(expected.data(), written.ptr, rounded);
        ASSERT_EQ(runtime::read_number(text).value, rounded) << text;
    }
}

}  // namespace
