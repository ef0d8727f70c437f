#include <gtest/gtest.h>

#include <map>
#include <string>

#include "headless_form.h"
#include "runtime/start.h"
#include "tests/window_cases.h"
#include "window/project.h"

namespace {

using runtime::ControlKind;
using runtime::Rect;
using runtime::Size;
using runtime::headless::Widget;

void type(const HeadlessForm& fake, std::string_view a, std::string_view b) {
    fake.widget("Text1").value = a;
    fake.widget("Text2").value = b;
}

TEST(Form1, IsBuiltFromItsDescriptionInTabOrder) {
    HeadlessForm fake(window::project);
    const auto& window = fake.window();
    EXPECT_EQ(window.caption, window_cases::title);
    EXPECT_EQ(window.client, (Size{window_cases::client_width, window_cases::client_height}));
    EXPECT_EQ(window.minimum, window.client);

    std::vector<std::string_view> made;
    made.reserve(window.made.size());
    for (const Widget* widget : window.made) made.push_back(widget->style.name);
    EXPECT_EQ(made, (std::vector<std::string_view>{"Label1", "Label2", "Label3", "Label4", "Text1", "Text2", "Command1",
                                                   "Label5"}));
    for (const auto& expected : window_cases::controls) {
        SCOPED_TRACE(std::string(expected.name));
        const Widget& widget = fake.widget(expected.name);
        EXPECT_EQ(widget.box.left, expected.left);
        EXPECT_EQ(widget.box.top, expected.top);
        if (expected.name != "Label5") {
            EXPECT_EQ(widget.box, (Rect{expected.left, expected.top, expected.width, expected.height}));
        }
        EXPECT_EQ(widget.style.max_length, widget.style.kind == ControlKind::text_box ? 32767 : 0);
        EXPECT_EQ(widget.menu.empty(), widget.style.kind != ControlKind::label);  // every caption can be copied
        EXPECT_EQ(widget.value, expected.text);
    }
    EXPECT_TRUE(fake.widget("Label2").style.centred);
    EXPECT_EQ(fake.widget("Label1").style.back_colour, runtime::SystemColour::inactive_border);
    EXPECT_EQ(fake.widget("Text1").named_by, &fake.widget("Label3"));
    EXPECT_EQ(fake.widget("Text2").named_by, &fake.widget("Label4"));
    EXPECT_TRUE(window.shown);
    EXPECT_EQ(fake.widget("Text1").focused, 1);
}

// Each control is made where it is stored, so start-up places again only
// Label5, which follows its caption; a zoom step places every control anew.
TEST(Form1, StartUpPlacesOnlyWhatMovesAndAZoomStepPlacesAll) {
    HeadlessForm fake(window::project);
    for (const int step : {0, 1}) {
        if (step == 1) fake.events().zoom_requested(runtime::Zoom::in);
        for (const auto& control : window_cases::controls) {
            EXPECT_EQ(fake.widget(control.name).places, (control.name == "Label5") + step) << control.name;
        }
    }
}

// Rounded to the nearest pixel, as Windows scales: 1695 twips are 169.5
// pixels at 144 dpi, drawn as 170.
TEST(Form1, FollowsTheWindowsDensityRoundingToTheNearestPixel) {
    HeadlessForm fake(window::project);
    fake.moves_to_dpi(144);
    EXPECT_EQ(fake.widget("Text1").box, (Rect{336, 132, 170, 38}));
    EXPECT_EQ(fake.window().client, (Size{761, 471}));
    EXPECT_EQ(fake.widget("Label5").box.height, fake.window().measure("Javob", runtime::Font{15}).height);
}

TEST(Form1, LoadSetsFiveFontSizesAndLabel5FollowsItsCaption) {
    HeadlessForm fake(window::project);
    const std::map<std::string, std::optional<float>> expected{
        {"Label5", 15.0f}, {"Label1", 15.0f},          {"Label2", 15.0f},       {"Label3", 10.0f},
        {"Label4", 10.0f}, {"Command1", std::nullopt}, {"Text1", std::nullopt}, {"Text2", std::nullopt}};
    for (const auto& [name, points] : expected) {
        EXPECT_EQ(fake.form.control(name).font().points, points) << name;
    }
    const auto line = fake.window().measure("Javob", runtime::Font{15});
    EXPECT_EQ(fake.widget("Label5").box, (Rect{24, 184, line.width, line.height}));
}

// Each caption reaches the toolkit with how it is drawn, in one call: an
// answer of the same length as the last is drawn anew, and every answer is
// written, the same one again too, so that screen readers hear each.
TEST(Form1, EveryAnswerReachesTheToolkitWithItsLines) {
    HeadlessForm fake(window::project);
    const Widget& label5 = fake.widget("Label5");
    int captions = label5.captions;
    const int written = label5.written;
    for (const auto& [a, b, answer] :
         {window_cases::redraws[0].first, window_cases::redraws[0].second, window_cases::redraws[0].second}) {
        type(fake, a, b);
        fake.click("Command1");
        EXPECT_EQ(label5.value, answer);
        EXPECT_EQ(label5.lines, (std::vector<runtime::Line>{{0, answer.size()}}));
        EXPECT_EQ(label5.line_height, label5.box.height);
        EXPECT_EQ(label5.captions, ++captions);
    }
    EXPECT_EQ(label5.written, written + 3);
}

// How the window stood when a long answer came, and what it became. The
// answer label grows on one line; the window widens from the width it
// has, keeps its height and moves left off the screen's edge, and never
// narrows again; a maximised window stays as it is, and where the window
// cannot widen enough, the answer is set smaller instead.
struct LongAnswer {
    const char* case_name;
    Size before;  // the client area; zero: as stored
    bool maximised;
    int screen_width, left;
    int width, height, left_after;  // width zero: just what the answer needs
    bool answer_shrunk;
};

void PrintTo(const LongAnswer& row, std::ostream* out) { *out << row.case_name; }

class LongAnswers : public testing::TestWithParam<LongAnswer> {};

TEST_P(LongAnswers, WidenFromTheWindowAsItStandsOrSetTheAnswerSmaller) {
    const LongAnswer& c = GetParam();
    HeadlessForm fake(window::project);
    auto& window = fake.window();
    const std::optional<float> label1_points = fake.widget("Label1").font.points;
    window.room.width = c.screen_width;
    window.left = c.left;
    if (c.before.width != 0) fake.user_resizes(c.before, c.maximised);

    const auto& [a, b, answer] = window_cases::longest_answers[0];
    type(fake, a, b);
    fake.click("Command1");
    const Widget& label5 = fake.widget("Label5");
    ASSERT_EQ(label5.value, answer);
    const int needed = 24 + window.measure(answer, runtime::Font{15}).width + 24;
    const Size expected{c.width != 0 ? c.width : needed, c.height};
    EXPECT_EQ(window.client, expected);
    EXPECT_EQ(window.left, c.left_after);
    EXPECT_EQ(window.minimum, (Size{std::min(needed, c.screen_width), 314}));
    EXPECT_EQ(label5.font.points.value_or(0) < 15, c.answer_shrunk);
    EXPECT_LE(label5.box.right(), window.client.width);
    EXPECT_EQ(label5.lines, (std::vector<runtime::Line>{{0, answer.size()}}));  // one line
    // Label1 keeps its stored box and the size it was fitted to in the stored form: nothing grows.
    EXPECT_EQ(fake.widget("Label1").box.width, 496);
    EXPECT_EQ(fake.widget("Label1").font.points, label1_points);

    type(fake, "2", "5");
    fake.click("Command1");
    EXPECT_EQ(window.client, expected);  // cppcheck-suppress knownConditionTrueFalse
}

INSTANTIATE_TEST_SUITE_P(
    Table, LongAnswers,
    testing::Values(LongAnswer{"AsStored", {}, false, 1900, 100, 0, 314, 100, false},
                    LongAnswer{"UserMadeItLarger", {900, 600}, false, 1900, 100, 900, 600, 100, false},
                    LongAnswer{"UserMadeItTaller", {550, 400}, false, 1900, 100, 0, 400, 100, false},
                    LongAnswer{"NearTheScreensRightEdge", {}, false, 1900, 1500, 0, 314, 1900 - 578, false},
                    LongAnswer{"Maximised", {560, 1000}, true, 1900, 0, 560, 1000, 0, true},
                    LongAnswer{"ScreenTooNarrow", {}, false, 560, 0, 560, 314, 0, true}),
    [](const auto& row) { return std::string(row.param.case_name); });

// What the user does to the window's size stands: nothing moves, the stored
// boxes stay, and a new density scales the user's size, not the stored one.
TEST(Form1, FollowsTheUsersSizeAndScalesItWithTheDensity) {
    HeadlessForm fake(window::project);
    auto& window = fake.window();
    std::vector<Rect> boxes;
    boxes.reserve(window.made.size());
    for (const Widget* widget : window.made) boxes.push_back(widget->box);
    for (const Size size : {Size{900, 600}, Size{1900, 1000}, Size{507, 314}}) {
        fake.user_resizes(size, size.width == 1900);
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            EXPECT_EQ(window.made[i]->box, boxes[i]) << window.made[i]->style.name;
        }
    }
    // Restored after an answer that needed more than the stored width: kept on the screen.
    window.left = 1500;
    fake.user_resizes({1900, 1000}, true);
    type(fake, window_cases::longest_answers[0].a, window_cases::longest_answers[0].b);
    fake.click("Command1");
    fake.user_resizes({window.minimum.width, 314});
    EXPECT_EQ(window.left, 1900 - window.minimum.width);

    fake.user_resizes({900, 600});
    const int rescaled_minimum = (window.minimum.width * 3 + 1) / 2;
    fake.moves_to_dpi(144);
    EXPECT_EQ(window.client, (Size{1350, 900}));
    EXPECT_EQ(window.minimum, (Size{rescaled_minimum, 471}));
}

// A caption that names a box is a larger target for it; other labels and
// the focus they leave alone. Enter presses only the focused button.
TEST(Form1, ClicksAndEnterReachOnlyWhatTheyShould) {
    HeadlessForm fake(window::project);
    std::string focused = "Text1";
    for (const auto& [label, focus] : window_cases::label_clicks) {
        const int before = fake.widget(focus).focused;
        fake.events().clicked(fake.widget(label));
        EXPECT_EQ(fake.widget(focus).focused, before + (focus == focused ? 0 : 1)) << label;
        focused = focus;
    }
    type(fake, "2", "5");
    for (const char* box : {"Text1", "Text2", "Label5"}) {
        fake.events().enter_pressed(fake.widget(box));
        EXPECT_EQ(fake.widget("Label5").value, "Javob") << box;
    }
    fake.events().enter_pressed(fake.widget("Command1"));
    EXPECT_EQ(fake.widget("Label5").value, window_cases::answer_for_2_and_5);
}

// Where the error box does not wait (a page's), errors come one at a time,
// and each sends the user back to its own box.
TEST(Form1, ErrorsThatComeWhileOneIsOpenWaitTheirTurn) {
    HeadlessForm fake(window::project);
    auto& window = fake.window();
    window.waits_for_errors = false;
    type(fake, "", "5");
    fake.click("Command1");
    type(fake, "2", "x");
    fake.click("Command1");
    ASSERT_EQ(window.errors.size(), 1u);
    for (const char* sent_back : {"Text1", "Text2"}) {
        const int before = fake.widget(sent_back).focused;
        fake.events().error_closed();
        EXPECT_EQ(fake.widget(sent_back).focused, before + 1) << sent_back;
    }
    EXPECT_EQ(window.errors.size(), 2u);
    fake.events().error_closed();  // none open: nothing happens
    EXPECT_EQ(window.errors.size(), 2u);
}

TEST(Form1, EveryLabelOffersToCopyItsWholeCaption) {
    HeadlessForm fake(window::project);
    type(fake, "3", "1");
    fake.click("Command1");
    for (const char* label : {"Label5", "Label1"}) {
        const auto& menu = fake.widget(label).menu;
        ASSERT_EQ(menu.size(), 1u);
        EXPECT_EQ(menu[0], "Nusxa olish");
        fake.events().menu_chosen(fake.widget(label), 0);
        EXPECT_EQ(fake.window().clipboard, fake.form.control(label).caption());
    }
    EXPECT_EQ(fake.window().clipboard, "Birinchi darajali bir noma'lumli tenglamalarni yechish");
}

TEST(Form1, ClosingEndsTheEventLoop) {
    HeadlessForm fake(window::project);
    fake.events().close_requested();
    EXPECT_EQ(fake.toolkit.quits, 1);
}

TEST(FormModel, WrongPropertyOrNameIsAnErrorNotACrash) {
    HeadlessForm fake(window::project);
    EXPECT_THROW(fake.form.control("Label5").text(), runtime::Error);
    EXPECT_THROW(fake.form.control("Text1").set_caption("x"), runtime::Error);
    EXPECT_THROW(fake.form.control("Label5").set_font_size(0), runtime::Error);
    EXPECT_THROW(fake.form.control("Text9"), runtime::Error);
}

// A toolkit that cannot make a window, and says why.
struct WindowlessToolkit : runtime::headless::Toolkit {
    WindowlessToolkit() : Toolkit(half_em_metrics) {}
    std::unique_ptr<runtime::Window> make_window(std::string_view, runtime::WindowEvents&) override {
        throw runtime::Error("Oyna ochib bo'lmadi.");
    }
};

// A form that cannot be built, or a window the toolkit cannot make, is
// explained in a box of its own, and the program ends with status 1
// instead of showing half a window.
TEST(StartUp, WhatStopsTheFormIsReportedInABox) {
    runtime::headless::Toolkit toolkit(half_em_metrics);
    EXPECT_EQ(runtime::run(window_cases::broken_project, toolkit), 1);
    WindowlessToolkit windowless;
    EXPECT_EQ(runtime::run(window::project, windowless), 1);
    EXPECT_EQ(toolkit.errors, (std::vector<std::string>{"Broken: " + std::string(window_cases::broken_message)}));
    EXPECT_EQ(windowless.errors,
              (std::vector<std::string>{std::string(window_cases::title) + ": Oyna ochib bo'lmadi."}));
}

TEST(StartUp, WithNoDisplayOneLineOnStandardErrorAndStatusOne) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(runtime::start(window::project), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "no display here\n");
}

}  // namespace

// The core's tests have no display: opening a toolkit always fails here.
std::unique_ptr<runtime::Toolkit> runtime::open_toolkit(std::string_view) { throw NoDisplay("no display here"); }
