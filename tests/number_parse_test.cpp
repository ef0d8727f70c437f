#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "runtime/numbers.h"

namespace {

using runtime::Coefficient;
using runtime::to_number;

struct Accepted {
    std::string text;
    double value;
};

class AcceptedText : public testing::TestWithParam<Accepted> {};

TEST_P(AcceptedText, ReadsTheNearestDouble) {
    const double value = to_number(GetParam().text, Coefficient::a);
    EXPECT_EQ(value, GetParam().value) << GetParam().text;
    EXPECT_EQ(std::signbit(value), std::signbit(GetParam().value)) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Numbers, AcceptedText,
                         testing::Values(Accepted{"5", 5.0}, Accepted{"5.", 5.0}, Accepted{".5", 0.5},
                                         Accepted{"0,25", 0.25}, Accepted{"2,5", 2.5}, Accepted{"-7", -7.0},
                                         Accepted{"+7", 7.0},
                                         Accepted{"\xE2\x88\x92"
                                                  "3",
                                                  -3.0},
                                         Accepted{"-0", -0.0}, Accepted{"000012", 12.0}, Accepted{"1e3", 1000.0},
                                         Accepted{"1E+3", 1000.0}, Accepted{"2,5e-1", 0.25},
                                         Accepted{"1e\xE2\x88\x92"
                                                  "2",
                                                  0.01},
                                         Accepted{"  4\t", 4.0},
                                         Accepted{"\xC2\xA0"
                                                  "4"
                                                  "\xC2\xA0",
                                                  4.0},
                                         Accepted{"0.1", 0.1},
                                         Accepted{"1.7976931348623157e308", 1.7976931348623157e308},
                                         Accepted{"4.9406564584124654e-324", 4.9406564584124654e-324},
                                         Accepted{"0e999999", 0.0}, Accepted{"0.000001e310", 1e304},
                                         // Halfway between two doubles: round to even, not truncate.
                                         Accepted{"9007199254740993", 9007199254740992.0}));

struct Rejected {
    std::string text;
    std::string message;
};

class RejectedText : public testing::TestWithParam<Rejected> {};

TEST_P(RejectedText, RaisesTheUzbekErrorAboutThatCoefficient) {
    try {
        to_number(GetParam().text, Coefficient::b);
        FAIL() << "accepted: " << GetParam().text;
    } catch (const runtime::Error& error) {
        EXPECT_EQ(error.what(), GetParam().message);
        EXPECT_EQ(error.about(), Coefficient::b);
    }
}

const std::string not_a_number = "b ning qiymati son emas: \xC2\xAB";
const std::string end = "\xC2\xBB.";

INSTANTIATE_TEST_SUITE_P(
    Reject, RejectedText,
    testing::Values(Rejected{"", "b ning qiymati kiritilmagan."},
                    Rejected{" \t\xC2\xA0 ", "b ning qiymati kiritilmagan."},
                    Rejected{"abc", not_a_number + "abc" + end}, Rejected{" 12abc ", not_a_number + "12abc" + end},
                    Rejected{"0x10", not_a_number + "0x10" + end}, Rejected{"inf", not_a_number + "inf" + end},
                    Rejected{"nan", not_a_number + "nan" + end}, Rejected{"1 000", not_a_number + "1 000" + end},
                    Rejected{"1,000.5", not_a_number + "1,000.5" + end}, Rejected{"1..2", not_a_number + "1..2" + end},
                    Rejected{"1/2", not_a_number + "1/2" + end}, Rejected{"--1", not_a_number + "--1" + end},
                    Rejected{".", not_a_number + "." + end}, Rejected{"-", not_a_number + "-" + end},
                    Rejected{"1e", not_a_number + "1e" + end}, Rejected{"e5", not_a_number + "e5" + end},
                    Rejected{"1e+", not_a_number + "1e+" + end},
                    Rejected{std::string("1\0"
                                         "2",
                                         3),
                             not_a_number +
                                 "1\xEF\xBF\xBD"
                                 "2" +
                                 end},
                    Rejected{"\xEF\xBC\x91", not_a_number + "\xEF\xBC\x91" + end},  // full-width 1
                    Rejected{"1e400",
                             "b ning qiymati juda katta: \xC2\xAB"
                             "1e400" +
                                 end},
                    Rejected{"-1e99999999999999999999",
                             "b ning qiymati juda katta: \xC2\xAB-1e99999999999999999999" + end},
                    Rejected{"1e-400",
                             "b ning qiymati juda kichik: \xC2\xAB"
                             "1e-400" +
                                 end},
                    Rejected{"0.0000001e-320",
                             "b ning qiymati juda kichik: \xC2\xAB"
                             "0.0000001e-320" +
                                 end}));

TEST(QuotedText, IsCutAfterFortyCharactersNotInsideOne) {
    std::string text;
    for (int i = 0; i < 50; ++i) text += "\xC5\x9F";  // a two-byte letter
    try {
        to_number(text, Coefficient::a);
        FAIL();
    } catch (const runtime::Error& error) {
        std::string expected = "a ning qiymati son emas: \xC2\xAB";
        for (int i = 0; i < 40; ++i) expected += "\xC5\x9F";
        EXPECT_EQ(error.what(), expected + "\xE2\x80\xA6\xC2\xBB.");
    }
}

TEST(QuotedText, HidesNothingBehindBidiControlsOrBrokenBytes) {
    try {
        to_number(
            "1\xE2\x80\xAE"
            "2\xFF",
            Coefficient::a);
        FAIL();
    } catch (const runtime::Error& error) {
        EXPECT_STREQ(error.what(),
                     "a ning qiymati son emas: \xC2\xAB"
                     "1\xEF\xBF\xBD"
                     "2\xEF\xBF\xBD\xC2\xBB.");
    }
}

}  // namespace
