#include <gtest/gtest.h>

#include <string>

#include "runtime/error.h"
#include "solver/messages.h"
#include "solver/solver.h"

namespace {

const std::string m1 = "tenglama cheksiz ko'p yechimga ega";
const std::string m2 = "tenglama yechimga ega emas";
const std::string m3 = "tenglama yagona yechimga ega   X=";

// The answer, or the one error's message and the box it names. The
// bad-input catalogue has the errors one box at a time.
struct Case {
    const char* a;
    const char* b;
    std::string shown;
    std::string about = {};  // the box an error names
};

class Answer : public testing::TestWithParam<Case> {};

TEST_P(Answer, ForTheTwoTexts) {
    try {
        EXPECT_EQ(solver::answer({GetParam().a, "A"}, {GetParam().b, "B"}), GetParam().shown);
    } catch (const runtime::Error& error) {
        EXPECT_EQ(error.what(), GetParam().shown);
        EXPECT_EQ(error.control(), GetParam().about);
    }
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
                         m3 + "-2"},
                    // With two bad boxes the error speaks of a, which is read first.
                    Case{"x", "y", "a ning qiymati son emas: \xC2\xABx\xC2\xBB.", "A"}));

// Operands that no reading gives are the program's fault, said as such.
TEST(QuotientFault, OfTheProgramIsAnInternalFault) {
    EXPECT_EQ(solver::messages::quotient_fault(numbers::Fault::bad_operand),
              "Dasturning ichki xatosi: to_text: not a finite normal number");
}

}  // namespace
