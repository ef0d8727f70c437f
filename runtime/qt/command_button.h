#pragma once

#include <QPushButton>

namespace runtime::qt {

// A push button that is never the window's default or cancel button:
// Escape does nothing to it, and Enter is the core's to decide. With the
// focus on it, Space (Qt's own) clicks it, and it shows a ring.
class CommandButton : public QPushButton {
public:
    explicit CommandButton(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace runtime::qt
