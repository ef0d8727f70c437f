#include "form1_window.h"
#include "runtime/start.h"
#include "tests/window_cases.h"

namespace {

// An error is a critical message box titled with the window's caption,
// with one button, and what it quotes of the user's typing is never read
// as markup. What it says, and what the window keeps meanwhile, the
// catalogue checks.
TEST_F(Form1Window, AnErrorIsACriticalBoxTitledAsTheWindowInPlainText) {
    const auto& bad = window_cases::bad_inputs[1];
    type_into("Text1", bad.a);
    type_into("Text2", bad.b);
    MessageBoxAnswerer answerer;
    click_natija();

    EXPECT_EQ(answerer.shown, 1);
    EXPECT_EQ(answerer.title, window->windowTitle());
    EXPECT_EQ(answerer.icon, QMessageBox::Critical);
    EXPECT_EQ(answerer.buttons, 1);
    EXPECT_EQ(answerer.format, Qt::PlainText);
}

// A form that cannot be built is explained in a box of its own, and the
// start ends with status 1.
TEST(StartUp, AFormThatCannotBeBuiltIsExplainedInABox) {
    MessageBoxAnswerer answerer;
    EXPECT_EQ(runtime::run(window_cases::broken_project, toolkit()), 1);
    EXPECT_EQ(answerer.shown, 1);
    EXPECT_EQ(answerer.text, to_qstring(window_cases::broken_message));
    EXPECT_EQ(answerer.title, "Broken");
}

}  // namespace
