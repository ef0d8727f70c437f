#include "runtime/qt/form_keys.h"

#include <QKeyEvent>
#include <QWidget>
#include <algorithm>

namespace runtime::qt {

void FormKeys::watch(QWidget& widget, const runtime::Widget& control) {
    controls_.emplace_back(&widget, &control);
    widget.installEventFilter(this);
}

// Enter and Return, the keypad's too, are reported and go no further: a
// box does not see them, and no button clicks on them by itself.
bool FormKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    const auto found =
        std::find_if(controls_.begin(), controls_.end(), [watched](const auto& each) { return each.first == watched; });
    if (found == controls_.end()) return false;
    events_.enter_pressed(*found->second);
    return true;
}

}  // namespace runtime::qt
