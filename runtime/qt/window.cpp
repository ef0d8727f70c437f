#include "runtime/qt/window.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <utility>

#include "runtime/qt/controls.h"
#include "runtime/qt/text.h"

namespace runtime::qt {

// Closing is the core's to decide: it ends the event loop.
void Surface::closeEvent(QCloseEvent* event) {
    event->accept();
    events_.close_requested();
}

void Surface::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (after_first_paint_) QTimer::singleShot(0, this, std::exchange(after_first_paint_, nullptr));
}

Window::Window(std::string_view caption, WindowEvents& events)
    : events_(events), surface_(std::make_unique<Surface>(events)) {
    surface_->setWindowTitle(to_qstring(caption));
}

std::unique_ptr<runtime::Widget> Window::make(const ControlStyle& style, Rect pixels, std::string_view text) {
    return make_control(style, pixels, text, *surface_, events_);
}

Size Window::measure(std::string_view text, Font font) const {
    QFont measured = surface_->font();
    if (font.points) measured.setPointSizeF(*font.points);
    const QSize size = QFontMetrics(measured, surface_.get()).size(Qt::TextSingleLine, to_qstring(text));
    return {size.width(), size.height()};
}

void Window::set_client_size(Size client, Size minimum) {
    surface_->setMinimumSize(minimum.width, minimum.height);
    surface_->resize(client.width, client.height);
}

int Window::widest_client() const {
    const QScreen* screen = surface_->screen();
    const int frame = surface_->frameGeometry().width() - surface_->width();
    return screen == nullptr ? QWIDGETSIZE_MAX : screen->availableGeometry().width() - frame;
}

void Window::show_error(std::string_view message, std::function<void()> closed) {
    QMessageBox box(QMessageBox::Critical, surface_->windowTitle(), to_qstring(message), QMessageBox::Ok,
                    surface_.get());
    box.setTextFormat(Qt::PlainText);  // the message may quote what the user typed
    box.exec();
    closed();
}

}  // namespace runtime::qt
