#include "runtime/qt/window.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <utility>

#include "runtime/qt/controls.h"
#include "runtime/qt/font.h"
#include "runtime/qt/text.h"

namespace runtime::qt {

// Under Wayland a window knows no position; its client area then counts
// from the screen's corner, which leaves it all the room there is.
Placement Surface::placement() const {
    const QRect client = geometry();
    const QRect frame = frameGeometry();
    QRect room(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (const QScreen* on = screen()) {
        room = on->availableGeometry().adjusted(client.left() - frame.left(), client.top() - frame.top(),
                                                client.right() - frame.right(), client.bottom() - frame.bottom());
    }
    const bool system = (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0;
    return {{client.x(), client.y(), client.width(), client.height()},
            {room.x(), room.y(), room.width(), room.height()},
            system};
}

// Closing is the core's to decide: it ends the event loop.
void Surface::closeEvent(QCloseEvent* event) {
    event->accept();
    events_.close_requested();
}

void Surface::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (after_first_paint_) QTimer::singleShot(0, this, std::exchange(after_first_paint_, nullptr));
}

void Surface::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    events_.resized(placement());
}

// Maximised, full screen or restored: the core hears of it even where the
// size stays, since who sizes the window has changed.
void Surface::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) events_.resized(placement());
}

Window::Window(std::string_view caption, WindowEvents& events)
    : events_(events), keys_(events), surface_(std::make_unique<Surface>(events)) {
    surface_->setWindowTitle(to_qstring(caption));
    keys_.watch(*surface_);
}

std::unique_ptr<runtime::Widget> Window::make(const ControlStyle& style, Rect pixels, std::string_view text) {
    return make_control(style, pixels, text, *surface_, events_, keys_);
}

Size Window::measure(std::string_view text, Font font) const {
    const QSize size = QFontMetrics(qt_font(font), surface_.get()).size(Qt::TextSingleLine, to_qstring(text));
    return {size.width(), size.height()};
}

void Window::set_client_size(Size client) { surface_->resize(client.width, client.height); }

void Window::set_minimum_client_size(Size minimum) { surface_->setMinimumSize(minimum.width, minimum.height); }

void Window::shift(int left, int up) { surface_->move(surface_->pos() - QPoint(left, up)); }

bool Window::show_error(std::string_view message) {
    QMessageBox box(QMessageBox::Critical, surface_->windowTitle(), to_qstring(message), QMessageBox::Ok,
                    surface_.get());
    box.setTextFormat(Qt::PlainText);  // the message may quote what the user typed
    box.exec();
    return true;
}

void Window::copy(std::string_view text) { QGuiApplication::clipboard()->setText(to_qstring(text)); }

}  // namespace runtime::qt
