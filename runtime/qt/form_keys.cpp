#include "runtime/qt/form_keys.h"

#include <QKeyEvent>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>
#include <optional>

namespace runtime::qt {
namespace {

// A notch of a common mouse wheel, in eighths of a degree.
constexpr int notch = 120;

// Ctrl alone, Shift and the keypad aside: plus comes with Shift on most
// layouts, and the keypad's keys carry a modifier of their own.
bool with_ctrl(Qt::KeyboardModifiers modifiers) {
    return (modifiers & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::ControlModifier;
}

// Ctrl with plus, or with equals, the same key without Shift on common
// layouts, zooms in; with minus, out; with 0, back. The keypad's alike.
std::optional<Zoom> zoom_of(const QKeyEvent& key) {
    if (!with_ctrl(key.modifiers())) return std::nullopt;
    switch (key.key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            return Zoom::in;
        case Qt::Key_Minus:
            return Zoom::out;
        case Qt::Key_0:
            return Zoom::reset;
        default:
            return std::nullopt;
    }
}

}  // namespace

void FormKeys::watch(QWidget& window) { window.installEventFilter(this); }

void FormKeys::watch(QWidget& widget, const runtime::Widget& control) {
    controls_.emplace_back(&widget, &control);
    widget.installEventFilter(this);
}

// What is caught goes no further: no box types or undoes it, no button
// clicks on it by itself.
bool FormKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<const QKeyEvent*>(event);
        if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) return enter_pressed(watched);
        if (const std::optional<Zoom> zoom = zoom_of(key)) {
            events_.zoom_requested(*zoom);
            return true;
        }
    } else if (event->type() == QEvent::Wheel) {
        const auto& wheel = *static_cast<const QWheelEvent*>(event);
        if (wheel.modifiers() != Qt::ControlModifier) return false;
        // Forward is away from the hand, however the desktop sets scrolling.
        return wheel_turned(wheel.inverted() ? -wheel.angleDelta().y() : wheel.angleDelta().y());
    }
    return false;
}

bool FormKeys::enter_pressed(const QObject* watched) {
    const auto found =
        std::find_if(controls_.begin(), controls_.end(), [watched](const auto& each) { return each.first == watched; });
    if (found == controls_.end()) return false;
    events_.enter_pressed(*found->second);
    return true;
}

// A step a notch: a touchpad's finer turns add up until they make one, and
// a turn back starts afresh.
bool FormKeys::wheel_turned(int delta) {
    if ((delta > 0) != (wheel_ > 0)) wheel_ = 0;
    wheel_ += delta;
    for (; wheel_ >= notch; wheel_ -= notch) events_.zoom_requested(Zoom::in);
    for (; wheel_ <= -notch; wheel_ += notch) events_.zoom_requested(Zoom::out);
    return true;
}

}  // namespace runtime::qt
