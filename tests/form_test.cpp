#include <gtest/gtest.h>

#include <map>
#include <string>

#include "fake_toolkit.h"
#include "runtime/start.h"
#include "tests/window_cases.h"
#include "window/form1.h"
#include "window/project.h"

namespace {

using runtime::ControlKind;
using runtime::Rect;

constexpr std::string_view good_answer = "tenglama yagona yechimga ega   X=2.5";

TEST(Form1, IsBuiltFromItsDescriptionInTabOrder) {
    FakeForm fake(window::project);
    const FakeWindow& window = fake.window();
    EXPECT_EQ(window.caption, window_cases::title);
    EXPECT_EQ(window.client, (runtime::Size{window_cases::client_width, window_cases::client_height}));
    EXPECT_EQ(window.minimum, window.client);

    std::vector<std::string> made;
    made.reserve(window.made.size());
    for (const FakeWidget* widget : window.made) made.push_back(widget->name);
    EXPECT_EQ(made, (std::vector<std::string>{"Label1", "Label2", "Label3", "Label4", "Text1", "Text2", "Command1",
                                              "Label5"}));
    for (const auto& expected : window_cases::controls) {
        SCOPED_TRACE(std::string(expected.name));
        const FakeWidget& widget = fake.widget(expected.name);
        EXPECT_EQ(widget.box.left, expected.left);
        EXPECT_EQ(widget.box.top, expected.top);
        if (expected.name != "Label5") {
            EXPECT_EQ(widget.box, (Rect{expected.left, expected.top, expected.width, expected.height}));
        }
        EXPECT_EQ(widget.style.max_length, widget.style.kind == ControlKind::text_box ? 32767 : 0);
        EXPECT_EQ(widget.menu.empty(), widget.style.kind != ControlKind::label);  // every caption can be copied
    }
    EXPECT_TRUE(fake.widget("Label2").style.centred);
    EXPECT_EQ(fake.widget("Label1").style.back_colour, runtime::SystemColour::inactive_border);
    EXPECT_EQ(fake.widget("Text1").named_by, &fake.widget("Label3"));
    EXPECT_EQ(fake.widget("Text2").named_by, &fake.widget("Label4"));
    EXPECT_TRUE(window.shown);
    EXPECT_EQ(fake.widget("Text1").focused, 1);
}

// Rounded to the nearest pixel, as Windows scales: 1695 twips are 169.5
// pixels at 144 dpi, drawn as 170.
TEST(Form1, FollowsTheWindowsDensityRoundingToTheNearestPixel) {
    FakeForm fake(window::project);
    fake.window().dots_per_inch = 144;
    fake.window().events.dpi_changed();
    EXPECT_EQ(fake.widget("Text1").box, (Rect{336, 132, 170, 38}));
    EXPECT_EQ(fake.window().client, (runtime::Size{761, 471}));
    EXPECT_EQ(fake.widget("Label5").box.height, fake.window().measure("Javob", runtime::Font{15}).height);
}

TEST(Form1, LoadSetsFiveFontSizesAndLabel5FollowsItsCaption) {
    FakeForm fake(window::project);
    const std::map<std::string, std::optional<float>> expected{
        {"Label5", 15.0f}, {"Label1", 15.0f},          {"Label2", 15.0f},       {"Label3", 10.0f},
        {"Label4", 10.0f}, {"Command1", std::nullopt}, {"Text1", std::nullopt}, {"Text2", std::nullopt}};
    for (const auto& [name, points] : expected) {
        EXPECT_EQ(fake.form.control(name).font().points, points) << name;
    }
    const auto line = fake.window().measure("Javob", runtime::Font{15});
    EXPECT_EQ(fake.widget("Label5").box, (Rect{24, 184, line.width, line.height}));
}

struct Click {
    std::string_view a, b;
    std::string_view message;  // of the error box, or none
    std::string_view focus;    // the box the user is sent back to
};

class Clicks : public testing::TestWithParam<Click> {};

// After a good answer: a bad input shows one box, keeps the answer and
// both texts, and sends the user back to the box at fault, its text
// selected. An error about no box leaves the focus alone.
TEST_P(Clicks, AnswerOrOneBoxThenBackToTheBoxAtFault) {
    FakeForm fake(window::project);
    fake.widget("Text1").value = "2";
    fake.widget("Text2").value = "5";
    fake.click("Command1");
    ASSERT_EQ(fake.widget("Label5").value, good_answer);

    fake.widget("Text1").value = GetParam().a;
    fake.widget("Text2").value = GetParam().b;
    for (FakeWidget* widget : fake.window().made) widget->focused = 0;
    const int writes = fake.widget("Label5").writes;
    fake.click("Command1");

    EXPECT_EQ(fake.widget("Text1").value, GetParam().a);
    EXPECT_EQ(fake.widget("Text2").value, GetParam().b);
    ASSERT_EQ(fake.window().errors, std::vector<std::string>{std::string(GetParam().message)});
    EXPECT_EQ(fake.widget("Label5").value, good_answer);
    EXPECT_EQ(fake.widget("Label5").writes, writes);  // cppcheck-suppress knownConditionTrueFalse
    for (const FakeWidget* widget : fake.window().made) {
        const bool sent_back = widget->name == GetParam().focus;
        EXPECT_EQ(widget->focused, sent_back ? 1 : 0) << widget->name;
        if (sent_back) {
            EXPECT_TRUE(widget->selected_all);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    BadInputs, Clicks, testing::ValuesIn([] {
        std::vector<Click> clicks;
        clicks.reserve(window_cases::bad_inputs.size() + 1);
        for (const auto& bad : window_cases::bad_inputs) {
            clicks.push_back({bad.a, bad.b, bad.message, bad.focus == "Command1" ? "" : bad.focus});
        }
        clicks.push_back({"x", "y", "a ning qiymati son emas: \xC2\xABx\xC2\xBB.", "Text1"});
        return clicks;
    }()));

// The answer label grows on one line; where it would pass the window's
// edge, the window widens to show it whole, its left margin mirrored on the
// right, as far as the screen allows, and never narrows again.
TEST(Form1, WidensToShowALongAnswerWholeAndNeverNarrows) {
    FakeForm fake(window::project);
    FakeWindow& window = fake.window();
    window.widest = 800;
    const auto answer = [&](std::string_view a, std::string_view b) {
        fake.widget("Text1").value = a;
        fake.widget("Text2").value = b;
        fake.click("Command1");
        return fake.widget("Label5").box;
    };
    const int stored_width = window.client.width;
    const int label1_points_before = static_cast<int>(fake.widget("Label1").font.points.value_or(0) * 2);

    const Rect long_answer = answer(window_cases::longest_answers[0].a, window_cases::longest_answers[0].b);
    EXPECT_GT(long_answer.right(), stored_width);
    EXPECT_EQ(window.client.width, long_answer.right() + long_answer.left);
    EXPECT_EQ(window.minimum, window.client);
    // Label1 keeps its stored box, now cut by the new edge: more of it shows.
    EXPECT_EQ(fake.widget("Label1").box.width, 496);
    EXPECT_GT(static_cast<int>(fake.widget("Label1").font.points.value_or(0) * 2), label1_points_before);

    const int widened = window.client.width;
    answer("2", "5");
    EXPECT_EQ(window.client.width, widened);  // cppcheck-suppress knownConditionTrueFalse

    window.widest = widened + 5;
    answer(window_cases::longest_answers[2].a, window_cases::longest_answers[2].b);  // would pass the screen's edge
    EXPECT_EQ(window.client.width, widened + 5);
}

// Screen readers hear every answer: the same one again is written again.
TEST(Form1, EveryAnswerReachesTheToolkitTheSameOneAgainToo) {
    FakeForm fake(window::project);
    fake.widget("Text1").value = "2";
    fake.widget("Text2").value = "5";
    fake.click("Command1");
    const int writes = fake.widget("Label5").writes;
    fake.click("Command1");
    EXPECT_EQ(fake.widget("Label5").writes, writes + 1);
}

TEST(Form1, EveryLabelOffersToCopyItsWholeCaption) {
    FakeForm fake(window::project);
    fake.widget("Text1").value = "3";
    fake.widget("Text2").value = "1";
    fake.click("Command1");
    for (const char* label : {"Label5", "Label1"}) {
        const auto& menu = fake.widget(label).menu;
        ASSERT_EQ(menu.size(), 1u);
        EXPECT_EQ(menu[0].text, "Nusxa olish");
        menu[0].chosen();
        EXPECT_EQ(fake.toolkit.clipboard, fake.form.control(label).caption());
    }
    EXPECT_EQ(fake.toolkit.clipboard, "Birinchi darajali bir noma'lumli tenglamalarni yechish");
}

TEST(Form1, ClosingEndsTheEventLoop) {
    FakeForm fake(window::project);
    fake.window().events.close_requested();
    EXPECT_EQ(fake.toolkit.quits, 1);
}

TEST(FormModel, WrongPropertyOrNameIsAnErrorNotACrash) {
    FakeForm fake(window::project);
    EXPECT_THROW(fake.form.control("Label5").text(), runtime::Error);
    EXPECT_THROW(fake.form.control("Text1").set_caption("x"), runtime::Error);
    EXPECT_THROW(fake.form.control("Label5").set_font_size(0), runtime::Error);
    EXPECT_THROW(fake.form.control("Text9"), runtime::Error);
}

// A form that cannot be built says why in a box of its own, and the
// program ends with status 1 instead of showing half a window.
TEST(StartUp, AFormThatCannotBeBuiltIsReportedInABox) {
    FakeToolkit toolkit;
    EXPECT_EQ(runtime::run(window_cases::broken_project, toolkit), 1);
    EXPECT_EQ(toolkit.errors, std::vector<std::string>{"Broken: " + std::string(window_cases::broken_message)});
}

TEST(StartUp, WithNoDisplayOneLineOnStandardErrorAndStatusOne) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(runtime::start(window::project), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "no display here\n");
}

}  // namespace

// The core's tests have no display: opening a toolkit always fails here.
std::unique_ptr<runtime::Toolkit> runtime::open_toolkit(std::string_view) { throw NoDisplay("no display here"); }
