#include <gtest/gtest.h>

#include <string>

#include "runtime/error.h"
#include "solver/solver.h"

namespace {

const std::string m1 = "tenglama cheksiz ko'p yechimga ega";
const std::string m2 = "tenglama yechimga ega emas";
const std::string m3 = "tenglama yagona yechimga ega   X=";

struct Case {
    const char* a;
    const char* b;
    std::string answer;
};

class Answer : public testing::TestWithParam<Case> {};

TEST_P(Answer, ForTheTwoTexts) {
    EXPECT_EQ(solver::answer({GetParam().a, "A"}, {GetParam().b, "B"}), GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Answer,
    testing::Values(Case{"0", "0", m1}, Case{"-0", "0,0", m1}, Case{"0e5", "-0", m1}, Case{"0", "7", m2},
                    Case{"0", "-7", m2}, Case{"0.0", "1e-300", m2}, Case{"2", "5", m3 + "2,5"},
                    Case{"4", "0", m3 + "0"}, Case{"-4", "0", m3 + "0"}, Case{"-3", "6", m3 + "-2"},
                    Case{"3", "1", m3 + "0,333333333333333"}, Case{"999", "5", m3 + "0,00500500500500501"},
                    // The quotient of the two doubles the fractions are read as.
                    Case{"2/3", "4", m3 + "6"}, Case{"1/3", "2/3", m3 + "2"}, Case{"1 1/2", "-3/4", m3 + "-0,5"},
                    Case{"2,5",
                         "\xE2\x88\x92"
                         "5",
                         m3 + "-2"}));

struct Failure {
    const char* a;
    const char* b;
    std::string message;
    std::string about;  // where the text came from, or "" for the quotient
};

class Fails : public testing::TestWithParam<Failure> {};

TEST_P(Fails, WithTheUzbekMessage) {
    try {
        const std::string text = solver::answer({GetParam().a, "A"}, {GetParam().b, "B"});
        FAIL() << "answered " << text;
    } catch (const runtime::Error& error) {
        EXPECT_EQ(error.what(), GetParam().message);
        EXPECT_EQ(error.control(), GetParam().about);
    }
}

INSTANTIATE_TEST_SUITE_P(Errors, Fails,
                         testing::Values(
                             // With two bad boxes the error speaks of a, which is read first.
                             Failure{"x", "y", "a ning qiymati son emas: \xC2\xABx\xC2\xBB.", "A"},
                             Failure{"", "", "a ning qiymati kiritilmagan.", "A"},
                             Failure{"1", "", "b ning qiymati kiritilmagan.", "B"},
                             Failure{"1", "1e999",
                                     "b ning qiymati juda katta: \xC2\xAB"
                                     "1e999\xC2\xBB.",
                                     "B"},
                             Failure{"1e-300", "1e300", "Natija juda katta.", ""},
                             Failure{"1e300", "1e-300", "Natija juda kichik.", ""},
                             // Subnormals: too few digits, whether typed or computed.
                             Failure{"1", "1e-320",
                                     "b ning qiymati juda kichik: \xC2\xAB"
                                     "1e-320\xC2\xBB.",
                                     "B"},
                             Failure{"1e10", "1e-300", "Natija juda kichik.", ""}));

}  // namespace
