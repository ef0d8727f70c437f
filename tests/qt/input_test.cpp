#include <QContextMenuEvent>
#include <QMenu>

#include "form1_window.h"
#include "tests/window_cases.h"

namespace {

constexpr std::string_view start_caption = "Javob";

QSize one_line(const QLabel& label) { return label.fontMetrics().size(Qt::TextSingleLine, label.text()); }

TEST_F(Form1Window, FocusStartsInText1AndTabCyclesBothWays) {
    EXPECT_EQ(focused_name(), "Text1");
    const auto& cycle = window_cases::tab_cycle;
    for (std::size_t step = 1; step <= cycle.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(focused_name(), to_qstring(cycle[step % cycle.size()])) << "Tab " << step;
    }
    for (std::size_t step = 1; step <= cycle.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(focused_name(), to_qstring(cycle[(cycle.size() - step) % cycle.size()])) << "Shift+Tab " << step;
    }
}

TEST_F(Form1Window, ClickingACaptionFocusesItsBoxAndNoLabelTakesTheFocus) {
    for (const auto& [label, focus] : window_cases::label_clicks) {
        QTest::mouseClick(&control(label), Qt::LeftButton);
        EXPECT_EQ(focused_name(), to_qstring(focus)) << label;
        EXPECT_EQ(control(label).focusPolicy(), Qt::NoFocus) << label;
    }
}

// One window, every answer in turn: each click replaces the last answer.
TEST_F(Form1Window, TypedInputAndAMouseClickShowEachAnswerOnOneLine) {
    for (const auto& click : window_cases::clicks) {
        SCOPED_TRACE(std::string(click.a) + " / " + std::string(click.b));
        type_into("Text1", click.a);
        type_into("Text2", click.b);
        click_natija();
        EXPECT_EQ(answer().text(), to_qstring(click.answer));
        EXPECT_EQ(answer().geometry(), QRect(QPoint(24, 184), one_line(answer())));
    }
}

// An answer is never cut by the window's edge: the window widens to show
// it whole, and "Nusxa olish" in Label5's menu copies it exactly.
TEST_F(Form1Window, LongestAnswersShowWholeAndCopyExactly) {
    for (const auto& click : window_cases::longest_answers) {
        SCOPED_TRACE(std::string(click.a) + " / " + std::string(click.b));
        type_into("Text1", click.a);
        type_into("Text2", click.b);
        click_natija();
        ASSERT_EQ(answer().text(), to_qstring(click.answer));
        EXPECT_LE(answer().geometry().right(), window->rect().right());
        EXPECT_EQ(window->minimumSize(), window->size());

        QApplication::clipboard()->clear();
        QContextMenuEvent right_click(QContextMenuEvent::Mouse, QPoint(5, 5), answer().mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(&answer(), &right_click);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(menu->actions().size(), 1);
        EXPECT_EQ(menu->actions()[0]->text(), "Nusxa olish");
        menu->actions()[0]->trigger();
        menu->close();
        EXPECT_EQ(QApplication::clipboard()->text(), to_qstring(click.answer));
    }
}

QString qstring(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// A paste keeps the first line, as an edit of its own: Ctrl+Z takes back
// the paste alone, neither the typing before it nor the text cleared
// before that.
TEST_F(Form1Window, APasteKeepsItsFirstLineAndUndoTakesBackThePasteAlone) {
    auto& box = control<QLineEdit>("Text1");
    for (const auto& paste : window_cases::pastes) {
        const QString typed = qstring(paste.typed);
        SCOPED_TRACE(typed.toStdString() + " + " + qstring(paste.pasted).toStdString());
        type_into("Text1", runtime::qt::to_utf8(qstring(window_cases::held_before_paste)));
        type_into("Text1", runtime::qt::to_utf8(typed));  // selects all, deletes, types
        QApplication::clipboard()->setText(qstring(paste.pasted));
        QTest::keyClick(&box, paste.over_typed ? Qt::Key_A : Qt::Key_End,
                        paste.over_typed ? Qt::ControlModifier : Qt::NoModifier);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box.text(), qstring(paste.kept));
        QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(box.text(), typed);
    }
}

// The boxes' own menu speaks the program's language.
TEST_F(Form1Window, TheBoxesMenuIsInUzbek) {
    auto& box = control<QLineEdit>("Text1");
    QContextMenuEvent right_click(QContextMenuEvent::Mouse, QPoint(5, 5), box.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&box, &right_click);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QStringList items;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) items << action->text().section(QLatin1Char('\t'), 0, 0);
    }
    menu->close();
    EXPECT_EQ(items, QStringList({"Bekor qilish", "Qaytarish", "Kesib olish", "Nusxa olish", "Qo'yish", "O'chirish",
                                  "Hammasini belgilash"}));
}

struct KeyPress {
    std::string_view focus;
    Qt::Key key;
    bool runs_solver;
};

class KeysOnForm1 : public Form1Window, public testing::WithParamInterface<KeyPress> {};

// Only a focused Natija answers Enter or Space; no button is the default
// or the cancel button.
TEST_P(KeysOnForm1, OnlyTheFocusedButtonAnswersEnterAndSpace) {
    type_into("Text1", "2");
    type_into("Text2", "5");
    QWidget& target = control(GetParam().focus);
    target.setFocus();
    QTest::keyClick(&target, GetParam().key);

    EXPECT_EQ(answer().text(), to_qstring(GetParam().runs_solver ? window_cases::answer_for_2_and_5 : start_caption));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(focused_name(), to_qstring(GetParam().focus));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeysOnForm1,
    testing::Values(KeyPress{"Text1", Qt::Key_Return, false}, KeyPress{"Text2", Qt::Key_Enter, false},
                    KeyPress{"Text2", Qt::Key_Escape, false}, KeyPress{"Command1", Qt::Key_Space, true},
                    KeyPress{"Command1", Qt::Key_Return, true}, KeyPress{"Command1", Qt::Key_Enter, true},
                    KeyPress{"Command1", Qt::Key_Escape, false}));

}  // namespace
