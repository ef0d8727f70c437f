#include "form1_window.h"
#include "runtime/start.h"
#include "tests/window_cases.h"
#include "window/project.h"

namespace {

// The box of an error belongs to the form: modal over it, titled with its
// caption, with the error icon. Once the user has closed it, the form is
// active again, with the focus where the core put it: on the button
// clicked, for an error about neither box. (The catalogue suite reads the
// messages, and the focus sent back to a box.)
TEST_F(Form1Window, AnErrorBoxBelongsToTheFormAndTheFocusComesBack) {
    const auto& bad = window_cases::bad_inputs[3];
    ASSERT_EQ(bad.focus, "Command1");
    type_into("Text1", bad.a);
    type_into("Text2", bad.b);
    MessageBoxAnswerer answerer;
    click_natija();
    pump_until([&] { return answerer.shown > 0; });

    EXPECT_EQ(answerer.shown, 1);
    EXPECT_EQ(answerer.title, window_cases::title);
    EXPECT_EQ(answerer.owner, frame());
    EXPECT_TRUE(answerer.has_icon);
    // Under X the form is activated again only after the box is gone.
    EXPECT_TRUE(pump_until([&] { return GetForegroundWindow() == frame() && focused_name() == bad.focus; }))
        << focused_name();
    settle();
    EXPECT_EQ(focused_name(), bad.focus);
}

// A start that fails is explained in a box of its own, which stays until
// the user closes it, and ends with status 1: a form that cannot be built,
// or a window class whose name another has taken.
TEST(StartUp, WhatStopsTheStartIsExplainedInABox) {
    {
        MessageBoxAnswerer answerer;
        EXPECT_EQ(runtime::run(window_cases::broken_project, toolkit()), 1);
        EXPECT_EQ(answerer.shown, 1);
        EXPECT_EQ(answerer.text, window_cases::broken_message);
        EXPECT_EQ(answerer.title, "Broken");
    }
    WNDCLASSEXW taken{};
    taken.cbSize = sizeof taken;
    taken.lpfnWndProc = DefWindowProcW;
    taken.hInstance = GetModuleHandleW(nullptr);
    taken.lpszClassName = L"clash.Form";
    ASSERT_NE(RegisterClassExW(&taken), 0);
    const std::unique_ptr<runtime::Toolkit> clashing = runtime::open_toolkit("clash");
    MessageBoxAnswerer answerer;
    EXPECT_EQ(runtime::run(window::project, *clashing), 1);
    EXPECT_EQ(answerer.shown, 1);
    EXPECT_EQ(answerer.text,
              "Oyna ochib bo'lmadi: RegisterClassExW, GetLastError 1410.");  // ERROR_CLASS_ALREADY_EXISTS
    EXPECT_EQ(answerer.title, window_cases::title);
    UnregisterClassW(taken.lpszClassName, taken.hInstance);
}

}  // namespace
