#include <gtest/gtest.h>

#include "bad_input_catalogue.h"
#include "fake_widget.h"
#include "runtime/event_boundary.h"
#include "window/form1.h"
#include "window/project.h"

namespace {

using bad_input::Entry;
using bad_input::Outcome;

class BadInput : public testing::TestWithParam<Entry> {};

// A click through the real handler on fake widgets: the answer replaces the
// previous one, or the error leaves Label5 and both boxes as they were.
TEST_P(BadInput, GivesTheRightAnswerOrOneUzbekError) {
    const Entry& entry = GetParam();
    FakeForm fake(window::form1);
    fake.widget("Label5").value = "previous";
    fake.widget("Text1").value = entry.a;
    fake.widget("Text2").value = entry.b;

    const auto error =
        runtime::run_handler(runtime::handler_for(window::project, "Command1", runtime::Event::click), fake.form);

    EXPECT_EQ(fake.widget("Text1").value, entry.a);
    EXPECT_EQ(fake.widget("Text2").value, entry.b);
    if (entry.outcome == Outcome::answer) {
        ASSERT_FALSE(error) << error->what();
        EXPECT_EQ(fake.widget("Label5").value, entry.shown);
        return;
    }
    ASSERT_TRUE(error) << fake.widget("Label5").value;
    EXPECT_EQ(fake.widget("Label5").value, "previous");
    const std::string message = error->what();
    if (entry.shown_is_prefix) {
        EXPECT_TRUE(message.starts_with(entry.shown)) << message;
    } else {
        EXPECT_EQ(message, entry.shown);
    }
    const runtime::Control* input = fake.form.input_for(error->about());
    EXPECT_EQ(input ? input->description().name : "", entry.focus);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, BadInput, testing::ValuesIn(bad_input::catalogue()),
                         [](const testing::TestParamInfo<Entry>& entry) { return entry.param.name; });

}  // namespace
