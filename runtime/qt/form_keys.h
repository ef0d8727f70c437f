#pragma once

#include <QObject>
#include <utility>
#include <vector>

#include "runtime/form/toolkit.h"

class QWidget;

namespace runtime::qt {

// The keys and wheel turns whose meaning the core decides, caught in one
// place for the whole window before any control acts on them: Enter, on
// whichever control has the focus, and the zoom's keys and Ctrl with the
// wheel, wherever they land.
class FormKeys final : public QObject {
public:
    explicit FormKeys(WindowEvents& events) : events_(events) {}

    // Catches what reaches the window itself.
    void watch(QWidget& window);
    // Catches what reaches `widget`, which is `control` to the core.
    void watch(QWidget& widget, const runtime::Widget& control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool enter_pressed(const QObject* watched);
    bool wheel_turned(int delta);

    WindowEvents& events_;
    std::vector<std::pair<const QObject*, const runtime::Widget*>> controls_;
    int wheel_ = 0;  // turned towards the next step, in eighths of a degree
};

}  // namespace runtime::qt
