#include <gtest/gtest.h>

#include <map>
#include <string>

#include "fake_widget.h"
#include "runtime/event_boundary.h"
#include "window/form1.h"
#include "window/handlers.h"
#include "window/project.h"

namespace {

TEST(FormLoad, SetsTheFiveLabelFontSizes) {
    FakeForm fake(window::form1);
    ASSERT_FALSE(runtime::run_handler(runtime::handler_for(window::project, "Form1", runtime::Event::load), fake.form));
    const std::map<std::string, float> expected{{"Label5", 15.0f}, {"Label1", 15.0f}, {"Label2", 15.0f},
                                                {"Label3", 10.0f}, {"Label4", 10.0f}, {"Command1", 0.0f},
                                                {"Text1", 0.0f},   {"Text2", 0.0f}};
    for (const auto& [name, points] : expected) EXPECT_EQ(fake.widget(name).font_size, points) << name;
}

struct Click {
    const char* a;
    const char* b;
    const char* caption;  // Label5 afterwards
    bool fails;
    const char* focus_returns_to;  // the box an error sends the user back to
};

class Command1Click : public testing::TestWithParam<Click> {};

TEST_P(Command1Click, WritesLabel5LastOrNotAtAll) {
    FakeForm fake(window::form1);
    fake.widget("Label5").value = "previous";
    fake.widget("Text1").value = GetParam().a;
    fake.widget("Text2").value = GetParam().b;
    const auto click = runtime::handler_for(window::project, "Command1", runtime::Event::click);

    const auto error = runtime::run_handler(click, fake.form);

    EXPECT_EQ(fake.widget("Label5").value, GetParam().caption);
    ASSERT_EQ(error.has_value(), GetParam().fails);
    EXPECT_EQ(fake.widget("Label5").writes, GetParam().fails ? 0 : 1);
    if (error) {
        const runtime::Control* input = fake.form.input_for(error->about());
        EXPECT_EQ(input ? input->description().name : "", GetParam().focus_returns_to);
    }
    EXPECT_EQ(fake.widget("Text1").value, GetParam().a);  // nothing typed is lost
    EXPECT_EQ(fake.widget("Text2").value, GetParam().b);
}

INSTANTIATE_TEST_SUITE_P(Cases, Command1Click,
                         testing::Values(Click{"2", "5", "tenglama yagona yechimga ega   X=2.5", false, ""},
                                         Click{"0", "0", "tenglama cheksiz ko'p yechimga ega", false, ""},
                                         Click{"x", "5", "previous", true, "Text1"},
                                         Click{"x", "y", "previous", true, "Text1"},
                                         Click{"2", "", "previous", true, "Text2"},
                                         Click{"1e-300", "1e300", "previous", true, ""}));

TEST(Command1Click, SecondAnswerReplacesTheFirst) {
    FakeForm fake(window::form1);
    fake.widget("Text1").value = "2";
    fake.widget("Text2").value = "5";
    window::Command1_Click(fake.form);
    fake.widget("Text1").value = "0";
    window::Command1_Click(fake.form);
    EXPECT_EQ(fake.widget("Label5").value, "tenglama yechimga ega emas");
}

TEST(FormModel, WrongPropertyOrNameIsAnErrorNotACrash) {
    FakeForm fake(window::form1);
    EXPECT_THROW(fake.form.control("Label5").text(), runtime::Error);
    EXPECT_THROW(fake.form.control("Text1").set_caption("x"), runtime::Error);
    EXPECT_THROW(fake.form.control("Text9"), runtime::Error);
    EXPECT_EQ(fake.form.input_for(runtime::Coefficient::none), nullptr);
}

}  // namespace
