#include <QtTest/qtestspontaneevent.h>
#include <QWheelEvent>
#include <vector>

#include "form1_window.h"

namespace {

// A key with Ctrl, or Ctrl with the wheel turned `wheel` eighths of a
// degree (Qt::Key_unknown), after `before` presses of Ctrl+plus; and the
// zoom it leaves, read off Natija's height (495 twips: 33 pixels at 100 %,
// 41 at 125 %, 50 at 150 %) and its font's scale.
struct ZoomInput {
    const char* case_name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int wheel;
    int before;
    int height;
    qreal scale;
};

void PrintTo(const ZoomInput& row, std::ostream* out) { *out << row.case_name; }

constexpr Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers keypad = Qt::ControlModifier | Qt::KeypadModifier;
constexpr Qt::KeyboardModifiers shifted = Qt::ControlModifier | Qt::ShiftModifier;

// As the windowing system turns it over `over`, and as QTest sends its
// keys: passed up to the window where `over` lets it go.
void turn_wheel(QWidget& over, int delta, Qt::KeyboardModifiers modifiers) {
    const QPointF at = QRectF(over.rect()).center();
    QWheelEvent wheel(at, over.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers, Qt::NoScrollPhase,
                      false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    QApplication::instance()->notify(&over, &wheel);
}

// What a box holds that a zoom must leave as it is.
struct BoxState {
    QString text, selected;
    int cursor;
    bool undo, redo;
    bool operator==(const BoxState&) const = default;
};

BoxState state_of(const QLineEdit& box) {
    return {box.text(), box.selectedText(), box.cursorPosition(), box.isUndoAvailable(), box.isRedoAvailable()};
}

class ZoomInputs : public testing::TestWithParam<ZoomInput> {};

// Wherever the focus is (a box, the button) and, for the wheel, over a
// caption too, the form takes the zoom's step, its fonts scaled and
// measured as drawn, and the box keeps its text, selection and undo
// history: undo still takes back the typing.
TEST_P(ZoomInputs, StepTheZoomAndLeaveTheBoxAsItWas) {
    const ZoomInput& input = GetParam();
    std::vector<const char*> targets{"Text1", "Command1"};
    if (input.key == Qt::Key_unknown) targets.push_back("Label3");
    for (const char* target : targets) {
        SCOPED_TRACE(target);
        Form1 form1;
        form1.open();
        auto& box = form1.control<QLineEdit>("Text1");
        form1.type_into("Text1", "12");
        QTest::keyClick(&box, Qt::Key_Left, Qt::ShiftModifier);
        QWidget& at = form1.control(target);
        if (at.focusPolicy() != Qt::NoFocus) at.setFocus();
        for (int i = 0; i < input.before; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Plus, ctrl);
        const BoxState before = state_of(box);

        if (input.key == Qt::Key_unknown) {
            turn_wheel(at, input.wheel, input.modifiers);
        } else {
            QTest::keyClick(&at, input.key, input.modifiers);
        }

        EXPECT_EQ(form1.control("Command1").height(), input.height);
        EXPECT_EQ(form1.control("Command1").font().pointSizeF(), QApplication::font().pointSizeF() * input.scale);
        const QLabel& answer = form1.answer();
        EXPECT_EQ(answer.size(), answer.fontMetrics().size(Qt::TextSingleLine, answer.text()));
        EXPECT_TRUE(state_of(box) == before) << box.text().toStdString();
        box.undo();
        EXPECT_EQ(box.text(), "");
    }
}

INSTANTIATE_TEST_SUITE_P(KeysAndWheel, ZoomInputs,
                         testing::Values(ZoomInput{"CtrlPlus", Qt::Key_Plus, ctrl, 0, 0, 41, 1.25},
                                         ZoomInput{"CtrlShiftPlus", Qt::Key_Plus, shifted, 0, 0, 41, 1.25},
                                         ZoomInput{"CtrlEquals", Qt::Key_Equal, ctrl, 0, 0, 41, 1.25},
                                         ZoomInput{"CtrlShiftEquals", Qt::Key_Equal, shifted, 0, 0, 41, 1.25},
                                         ZoomInput{"CtrlKeypadPlus", Qt::Key_Plus, keypad, 0, 0, 41, 1.25},
                                         ZoomInput{"CtrlWheelForward", Qt::Key_unknown, ctrl, 120, 0, 41, 1.25},
                                         ZoomInput{"CtrlMinus", Qt::Key_Minus, ctrl, 0, 2, 41, 1.25},
                                         ZoomInput{"CtrlKeypadMinus", Qt::Key_Minus, keypad, 0, 2, 41, 1.25},
                                         ZoomInput{"CtrlWheelBackward", Qt::Key_unknown, ctrl, -120, 2, 41, 1.25},
                                         ZoomInput{"Ctrl0", Qt::Key_0, ctrl, 0, 2, 33, 1},
                                         ZoomInput{"CtrlKeypad0", Qt::Key_0, keypad, 0, 2, 33, 1}),
                         [](const auto& row) { return std::string(row.param.case_name); });

}  // namespace
