#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "numbers/numbers.h"

namespace {

using numbers::Fault;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double least_normal = std::numeric_limits<double>::min();
constexpr double least_subnormal = std::numeric_limits<double>::denorm_min();

struct Divided {
    double dividend, divisor;
    const char* text;
    Fault fault = Fault::none;
};

class Quotient : public testing::TestWithParam<Divided> {};

TEST_P(Quotient, IsWrittenOrSaysWhyNot) {
    const numbers::Quotient quotient = numbers::quotient(GetParam().dividend, GetParam().divisor);
    EXPECT_EQ(quotient.text, GetParam().text);
    EXPECT_EQ(quotient.fault, GetParam().fault);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Quotient,
    testing::Values(
        // A double by 1 is the double as written.
        Divided{2.5, 1, "2,5"}, Divided{0.0, 1, "0"}, Divided{-0.0, 1, "0"}, Divided{-2.0, 1, "-2"},
        Divided{1.0 / 3.0, 1, "0,333333333333333"}, Divided{2.0 / 3.0, 1, "0,666666666666667"},
        Divided{0.3 / 0.1, 1, "3"}, Divided{1e20, 1, "1E+20"}, Divided{0.0001, 1, "0,0001"},
        Divided{0.00001, 1, "1E-05"}, Divided{123456789012345.0, 1, "123456789012345"},
        Divided{1234567890123456.0, 1, "1,23456789012346E+15"}, Divided{999999999999999.9, 1, "1E+15"},
        Divided{-0.00012345, 1, "-0,00012345"}, Divided{0.000099999999999999999, 1, "0,0001"}, Divided{100.0, 1, "100"},
        Divided{-1.5e-7, 1, "-1,5E-07"}, Divided{1e100, 1, "1E+100"},
        Divided{std::numeric_limits<double>::max(), 1, "1,79769313486232E+308"},
        Divided{-least_normal, 1, "-2,2250738585072E-308"},
        // Rounded once from the exact quotient: through the double quotient
        // the last digit of the first two would be 8 and 9.
        Divided{14, 27, "0,518518518518519"}, Divided{57, -13, "-4,38461538461538"}, Divided{-0.0, 3, "0"},
        Divided{1e-300, 3, "3,33333333333333E-301"},
        // Logarithms put these a digit too far at first: 16 digits, divided
        // again for 15 rather than rounded (the second would show
        // 100000000000000,1).
        Divided{7.9, 0.79, "10"}, Divided{31000000000000016, 31, "1E+15"},
        // Exactly halfway: to the even digit.
        Divided{1000000000000005, 1, "1E+15"}, Divided{-1000000000000015, 1, "-1,00000000000002E+15"},
        // The same where the long division decides (600 is no power of two).
        Divided{3063155070686049, 600, "5105258451143,42"}, Divided{3063155070686055, 600, "5105258451143,42"},
        // Operands no reading gives, even where the quotient is an ordinary
        // number: a wrong text there would hide the fault that let them in.
        Divided{nan, 1, "", Fault::bad_operand}, Divided{-infinity, 1, "", Fault::bad_operand},
        Divided{1, 0, "", Fault::bad_operand}, Divided{least_subnormal, least_normal, "", Fault::bad_operand},
        Divided{least_normal, least_subnormal, "", Fault::bad_operand}));

// Whatever the double, its text has at most 15 significant digits and, as
// a user pastes it back into a box, reads as the double rounded to 15
// significant digits.
TEST(Quotient, ReadsBackAsTheValueRoundedToFifteenDigits) {
    std::mt19937_64 random(20261208);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int i = 0; i < 100000; ++i) {
        double x = 0;
        const std::uint64_t raw = bits(random);
        static_assert(sizeof raw == sizeof x);
        std::memcpy(&x, &raw, sizeof x);
        if (!std::isnormal(x)) continue;

        const std::string text = numbers::quotient(x, 1).text;
        int digits = 0;
        bool leading = true;
        for (char c : text.substr(0, text.find('E'))) {
            if (c >= '1' && c <= '9') leading = false;
            if (c >= '0' && c <= '9' && !leading) ++digits;
        }
        ASSERT_LE(digits, 15) << text;
        // The reference rounding comes from std::to_chars, not from the
        // program's own writing and reading.
        std::array<char, 40> expected{};
        const auto reference =
            std::to_chars(expected.data(), expected.data() + expected.size(), x, std::chars_format::scientific, 14);
        double rounded = 0;
        std::from_chars(expected.data(), reference.ptr, rounded);
        ASSERT_EQ(numbers::read_number(text).value, rounded) << text;
    }
}

}  // namespace
