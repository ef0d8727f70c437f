#include "runtime/qt/command_button.h"

#include <QKeyEvent>

#include "runtime/qt/focus_ring.h"

namespace runtime::qt {

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
    setDefault(false);
}

// Qt's arrow keys move the focus between buttons; here, as on the other
// faces, only Tab moves it.
void CommandButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            event->accept();
            return;
        default:
            QPushButton::keyPressEvent(event);
    }
}

void CommandButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    draw_focus_ring(*this);
}

}  // namespace runtime::qt
