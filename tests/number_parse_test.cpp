#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "numbers/numbers.h"

namespace {

using numbers::Fault;
using numbers::read_number;

struct Accepted {
    std::string text;
    double value;
};

class AcceptedText : public testing::TestWithParam<Accepted> {};

TEST_P(AcceptedText, ReadsTheNearestDouble) {
    const numbers::Number read = read_number(GetParam().text);
    ASSERT_EQ(read.fault, Fault::none) << GetParam().text;
    const double value = read.value;
    EXPECT_EQ(value, GetParam().value) << GetParam().text;
    EXPECT_EQ(std::signbit(value), std::signbit(GetParam().value)) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, AcceptedText,
    testing::Values(
        Accepted{"5", 5.0}, Accepted{"5.", 5.0}, Accepted{".5", 0.5}, Accepted{"0,25", 0.25}, Accepted{"2,5", 2.5},
        Accepted{"-7", -7.0}, Accepted{"+7", 7.0},
        Accepted{"\xE2\x88\x92"
                 "3",
                 -3.0},
        Accepted{"-0", -0.0}, Accepted{"000012", 12.0}, Accepted{"1e3", 1000.0}, Accepted{"1E+3", 1000.0},
        Accepted{"2,5e-1", 0.25},
        Accepted{"1e\xE2\x88\x92"
                 "2",
                 0.01},
        Accepted{"  4\t", 4.0},
        Accepted{"\xC2\xA0"
                 "4"
                 "\xC2\xA0",
                 4.0},
        Accepted{"0.1", 0.1}, Accepted{"1.7976931348623157e308", 1.7976931348623157e308},
        Accepted{"2.2250738585072014e-308", 2.2250738585072014e-308}, Accepted{"0e999999", 0.0},
        // Below the least normal double, but nearer it than the subnormal below.
        Accepted{"2.2250738585072012e-308", 2.2250738585072014e-308}, Accepted{"0.000001e310", 1e304},
        // Halfway between two doubles: round to even, not truncate.
        Accepted{"9007199254740993", 9007199254740992.0},
        // 16 to 18 digits with decimals or an exponent: one
        // operation in double would round twice.
        Accepted{"9309409248454347e-17", 9309409248454347e-17}, Accepted{"7075933618815.2358", 7075933618815.2358},
        Accepted{"2284529841537760,20", 2284529841537760.20},
        // Fractions: the exact ratio rounded once (1,1/3 is not 1.1 / 3).
        Accepted{"3/4", 0.75}, Accepted{"-1/2", -0.5}, Accepted{"+2/4", 0.5}, Accepted{"1,5/3", 0.5},
        Accepted{"1,1/3", 11.0 / 30.0}, Accepted{"1/0,3", 10.0 / 3.0}, Accepted{".5/5.", 0.1}, Accepted{"0/5", 0.0},
        Accepted{"-0/5", -0.0}, Accepted{"2/3", 2.0 / 3.0}, Accepted{"9007199254740993/1", 9007199254740992.0},
        Accepted{"9007199254740995/1", 9007199254740996.0},
        Accepted{"90071992547409930000000001/10000000000", 9007199254740994.0},
        Accepted{"1" + std::string(308, '0') + "/1", 1e308}, Accepted{"1/1" + std::string(307, '0'), 1e-307},
        // Mixed numbers, digit groups, every kind of space around.
        Accepted{"1 1/2", 1.5}, Accepted{"-2 1/3", -7.0 / 3.0},
        Accepted{"\xE2\x88\x92"
                 "0\xC2\xA0"
                 "1,5/3",
                 -0.5},
        Accepted{"1 000\xC2\xA0"
                 "1/2",
                 1000.5},
        Accepted{"123 456 789 012 345 678 1/3", 123456789012345678.0}, Accepted{"1 000 000", 1e6},
        Accepted{"1\xC2\xA0"
                 "000,5",
                 1000.5},
        Accepted{"-12\xE2\x80\xAF"
                 "345,678",
                 -12345.678},
        Accepted{"999\xE2\x80\x89"
                 "999e3",
                 999999e3},
        Accepted{"000 000", 0.0},
        Accepted{"\xE3\x80\x80\xE1\x9A\x80\xE2\x80\x80"
                 "4\xE2\x80\x8A\xE2\x81\x9F\xE2\x80\xAF",
                 4.0}));

struct Rejected {
    std::string text;
    Fault fault;
};

class RejectedText : public testing::TestWithParam<Rejected> {};

TEST_P(RejectedText, GivesTheReason) {
    EXPECT_EQ(read_number(GetParam().text).fault, GetParam().fault) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Reject, RejectedText,
    testing::Values(
        Rejected{"", Fault::empty}, Rejected{" \t\xC2\xA0 ", Fault::empty}, Rejected{"abc", Fault::not_a_number},
        Rejected{" 12abc ", Fault::not_a_number}, Rejected{"0x10", Fault::not_a_number},
        Rejected{"inf", Fault::not_a_number}, Rejected{"nan", Fault::not_a_number},
        Rejected{"1,000.5", Fault::not_a_number}, Rejected{"1..2", Fault::not_a_number},
        Rejected{"--1", Fault::not_a_number}, Rejected{".", Fault::not_a_number}, Rejected{"-", Fault::not_a_number},
        Rejected{"1e", Fault::not_a_number}, Rejected{"e5", Fault::not_a_number}, Rejected{"1e+", Fault::not_a_number},
        Rejected{std::string("1\0"
                             "2",
                             3),
                 Fault::not_a_number},
        Rejected{"\xEF\xBC\x91", Fault::not_a_number},  // full-width 1
        Rejected{"1//2", Fault::not_a_number}, Rejected{"1/2/3", Fault::not_a_number},
        Rejected{"/2", Fault::not_a_number}, Rejected{"2/", Fault::not_a_number}, Rejected{"1/-2", Fault::not_a_number},
        Rejected{"1e2/3", Fault::not_a_number}, Rejected{"1 / 2", Fault::not_a_number},
        Rejected{"1,5 1/2", Fault::not_a_number}, Rejected{"1  1/2", Fault::not_a_number},
        Rejected{"1/1 000", Fault::not_a_number}, Rejected{"- 1/2", Fault::not_a_number},
        Rejected{"- 5", Fault::not_a_number}, Rejected{"12 abc", Fault::not_a_number},
        Rejected{"1 000 00x", Fault::not_a_number}, Rejected{"1 ,5", Fault::not_a_number},
        Rejected{"1/0", Fault::zero_denominator}, Rejected{"-0/0,00", Fault::zero_denominator},
        Rejected{"12 3/0", Fault::zero_denominator}, Rejected{"1 3/2", Fault::improper_fraction},
        Rejected{"1 2/2", Fault::improper_fraction}, Rejected{"1 0/3", Fault::improper_fraction},
        Rejected{"1 000/3", Fault::improper_fraction}, Rejected{"1 00", Fault::bad_group},
        Rejected{"12 34", Fault::bad_group}, Rejected{"1234 567", Fault::bad_group},
        Rejected{"1 0000", Fault::bad_group}, Rejected{"1 000 00,5", Fault::bad_group},
        Rejected{"12 34 1/2", Fault::bad_group}, Rejected{"1" + std::string(400, '0') + "/3", Fault::too_large},
        Rejected{"1/3" + std::string(400, '0'), Fault::too_small}, Rejected{"1e400", Fault::too_large},
        Rejected{"-1e99999999999999999999", Fault::too_large}, Rejected{"1e-400", Fault::too_small},
        Rejected{"0.0000001e-320", Fault::too_small},
        // Subnormal: fewer significant bits than 15 digits need.
        Rejected{"4.9406564584124654e-324", Fault::too_small}, Rejected{"-2.225073858507201e-308", Fault::too_small},
        // Nearer the largest subnormal than the least normal double: rounded as a subnormal.
        Rejected{"2.225073858507201083e-308", Fault::too_small}));

}  // namespace
