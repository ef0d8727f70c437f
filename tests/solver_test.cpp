#include <gtest/gtest.h>

#include <string>

#include "solver/messages.h"
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

// Errors are checked through the form: the bad-input catalogue and Clicks.
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

// Operands that no reading gives are the program's fault, said as such.
TEST(QuotientFault, OfTheProgramIsAnInternalFault) {
    EXPECT_EQ(solver::messages::quotient_fault(numbers::Fault::bad_operand),
              "Dasturning ichki xatosi: to_text: not a finite normal number");
}

}  // namespace
