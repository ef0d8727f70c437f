#include "form1_window.h"
#include "runtime/start.h"
#include "tests/window_cases.h"
#include "window/project.h"

namespace {

// A typo costs nothing: the box says what is wrong, and afterwards the
// answer, the typed texts and the window are all still there, with the
// user back in the box to fix and its text selected.
TEST_F(Form1Window, BadInputIsReportedAndNothingIsLost) {
    for (const auto& bad : window_cases::bad_inputs) {
        SCOPED_TRACE(std::string(bad.a) + " / " + std::string(bad.b));
        type_into("Text1", "2");
        type_into("Text2", "5");
        click_natija();
        ASSERT_TRUE(pump_until([&] { return answer() == window_cases::answer_for_2_and_5; }));

        type_into("Text1", bad.a);
        type_into("Text2", bad.b);
        MessageBoxAnswerer answerer;
        click_natija();
        pump_until([&] { return answerer.shown > 0; });

        EXPECT_EQ(answerer.shown, 1);
        EXPECT_EQ(answerer.text, bad.message);
        EXPECT_EQ(answerer.title, window_cases::title);
        EXPECT_EQ(answerer.owner, frame());
        EXPECT_TRUE(answerer.has_icon);

        EXPECT_EQ(answer(), window_cases::answer_for_2_and_5);
        EXPECT_EQ(text_of(control("Text1")), bad.a);
        EXPECT_EQ(text_of(control("Text2")), bad.b);
        EXPECT_TRUE(IsWindowVisible(frame()));

        // Under X the form is activated again only after the box is gone.
        EXPECT_TRUE(pump_until([&] { return GetForegroundWindow() == frame() && focused_name() == bad.focus; }))
            << focused_name();
        settle();
        EXPECT_EQ(focused_name(), bad.focus);
        if (bad.focus != "Command1") {
            DWORD start = 1, end = 0;
            SendMessageW(GetFocus(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
            EXPECT_EQ(start, 0u);
            EXPECT_EQ(end, static_cast<DWORD>(GetWindowTextLengthW(GetFocus())));
        }
    }
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
