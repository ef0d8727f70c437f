#include "runtime/qt/command_button.h"

#include <QKeyEvent>

namespace runtime::qt {

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setAutoDefault(false);
    setDefault(false);
}

// Qt's button clicks on Enter only as a dialog's default button; this one
// is no default button, yet the focused button answers Enter.
void CommandButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

}  // namespace runtime::qt
