#pragma once

#include <QPushButton>

namespace runtime::qt {

// A push button that is never the window's default or cancel button: Enter
// in another control does nothing to it, Escape does nothing at all. With
// the focus on it, Space (Qt's own) and Enter click it, and it shows a ring.
class CommandButton : public QPushButton {
public:
    CommandButton(const QString& caption, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace runtime::qt
