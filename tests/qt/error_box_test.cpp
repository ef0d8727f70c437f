#include "form1_window.h"
#include "runtime/start.h"
#include "tests/window_cases.h"

namespace {

// A typo costs nothing: the box says what is wrong, and afterwards the
// answer, the typed texts and the window are all still there, with the
// user back in the box to fix.
TEST_F(Form1Window, BadInputIsReportedAndNothingIsLost) {
    for (const auto& bad : window_cases::bad_inputs) {
        SCOPED_TRACE(std::string(bad.a) + " / " + std::string(bad.b));
        type_into("Text1", "2");
        type_into("Text2", "5");
        click_natija();
        ASSERT_EQ(answer().text(), to_qstring(window_cases::answer_for_2_and_5));

        type_into("Text1", bad.a);
        type_into("Text2", bad.b);
        MessageBoxAnswerer answerer;
        click_natija();

        EXPECT_EQ(answerer.shown, 1);
        EXPECT_EQ(answerer.text, to_qstring(bad.message));
        EXPECT_EQ(answerer.title, window->windowTitle());
        EXPECT_EQ(answerer.icon, QMessageBox::Critical);
        EXPECT_EQ(answerer.buttons, 1);
        EXPECT_EQ(answerer.format, Qt::PlainText);  // typed text is quoted, never read as markup

        EXPECT_EQ(answer().text(), to_qstring(window_cases::answer_for_2_and_5));
        EXPECT_EQ(control<QLineEdit>("Text1").text(), to_qstring(bad.a));
        EXPECT_EQ(control<QLineEdit>("Text2").text(), to_qstring(bad.b));
        EXPECT_TRUE(window->isVisible());

        // The windowing system hands activation back once the box is gone;
        // offscreen there is none to do it.
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        EXPECT_EQ(focused_name(), to_qstring(bad.focus));
        if (auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
            EXPECT_EQ(box->selectedText(), box->text());
        }
    }
}

}  // namespace

namespace {

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
