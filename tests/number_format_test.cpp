#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "runtime/numbers.h"

namespace {

using runtime::to_text;

struct Formatted {
    double value;
    const char* text;
};

class FormattedNumber : public testing::TestWithParam<Formatted> {};

TEST_P(FormattedNumber, Text) { EXPECT_EQ(to_text(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Table, FormattedNumber,
    testing::Values(Formatted{2.5, "2.5"}, Formatted{0.0, "0"}, Formatted{-0.0, "0"}, Formatted{-2.0, "-2"},
                    Formatted{1.0 / 3.0, "0.333333333333333"}, Formatted{2.0 / 3.0, "0.666666666666667"},
                    Formatted{0.3 / 0.1, "3"}, Formatted{1e20, "1E+20"}, Formatted{0.0001, "0.0001"},
                    Formatted{0.00001, "1E-05"}, Formatted{123456789012345.0, "123456789012345"},
                    Formatted{1234567890123456.0, "1.23456789012346E+15"}, Formatted{999999999999999.9, "1E+15"},
                    Formatted{-0.00012345, "-0.00012345"}, Formatted{0.000099999999999999999, "0.0001"},
                    Formatted{100.0, "100"}, Formatted{-1.5e-7, "-1.5E-07"}, Formatted{1e100, "1E+100"},
                    Formatted{std::numeric_limits<double>::max(), "1.79769313486232E+308"},
                    Formatted{std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"}));

// Whatever the double, its text has at most 15 significant digits and reads
// back as the double rounded to 15 significant digits.
TEST(FormattedNumber, ReadsBackAsTheValueRoundedToFifteenDigits) {
    std::mt19937_64 random(20261208);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int i = 0; i < 100000; ++i) {
        double x = 0;
        const std::uint64_t raw = bits(random);
        static_assert(sizeof raw == sizeof x);
        std::memcpy(&x, &raw, sizeof x);
        if (!std::isfinite(x)) continue;

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
