#pragma once

#include <QObject>
#include <utility>
#include <vector>

#include "runtime/form/toolkit.h"

class QWidget;

namespace runtime::qt {

// The keys whose meaning the core decides, caught in one place for the
// whole window before any control acts on them: Enter, on whichever
// control has the focus.
class FormKeys final : public QObject {
public:
    explicit FormKeys(WindowEvents& events) : events_(events) {}

    // Catches the keys that reach `widget`, which is `control` to the core.
    void watch(QWidget& widget, const runtime::Widget& control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WindowEvents& events_;
    std::vector<std::pair<const QObject*, const runtime::Widget*>> controls_;
};

}  // namespace runtime::qt
