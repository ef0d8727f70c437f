#include <gtest/gtest.h>

#include "bad_input_catalogue.h"
#include "headless_form.h"
#include "window/project.h"

namespace {

using bad_input::Entry;
using bad_input::Outcome;

class BadInput : public testing::TestWithParam<Entry> {};

// A click through the real handler on the headless toolkit: the answer
// replaces the previous one, or one error box leaves Label5 and both boxes
// as they were and sends the user back to the box at fault, its text
// selected; an error about no box leaves the focus where it was.
TEST_P(BadInput, GivesTheRightAnswerOrOneUzbekError) {
    const Entry& entry = GetParam();
    HeadlessForm fake(window::project);
    fake.form.control("Label5").set_caption("previous");
    fake.widget("Text1").value = entry.a;
    fake.widget("Text2").value = entry.b;
    fake.widget("Text1").focused = 0;
    const int captions = fake.widget("Label5").captions;

    fake.click("Command1");

    EXPECT_EQ(fake.widget("Text1").value, entry.a);
    EXPECT_EQ(fake.widget("Text2").value, entry.b);
    const auto& errors = fake.window().errors;
    if (entry.outcome == Outcome::answer) {
        EXPECT_TRUE(errors.empty()) << errors.front();
        EXPECT_EQ(fake.widget("Label5").value, entry.shown);
        return;
    }
    ASSERT_EQ(errors.size(), 1u) << fake.widget("Label5").value;
    EXPECT_EQ(fake.widget("Label5").value, "previous");
    EXPECT_EQ(fake.widget("Label5").captions, captions);  // cppcheck-suppress knownConditionTrueFalse
    EXPECT_EQ(errors[0], entry.shown);
    for (const char* box : {"Text1", "Text2", "Command1"}) {
        EXPECT_EQ(fake.widget(box).focused, entry.focus == box) << box;
        EXPECT_EQ(fake.widget(box).selected_all, entry.focus == box) << box;
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, BadInput, testing::ValuesIn(bad_input::catalogue()),
                         [](const testing::TestParamInfo<Entry>& entry) { return entry.param.name; });

}  // namespace
