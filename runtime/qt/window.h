#pragma once

#include <QWidget>
#include <memory>

#include "runtime/toolkit.h"

namespace runtime::qt {

// The top-level QWidget: it tells the core when the user closes it.
class Surface final : public QWidget {
public:
    explicit Surface(WindowEvents& events) : events_(events) {}

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    WindowEvents& events_;
};

// Qt lays out in device-independent pixels, 96 to the inch, and scales
// them for the screen itself.
class Window final : public runtime::Window {
public:
    Window(std::string_view caption, WindowEvents& events);

    std::unique_ptr<runtime::Widget> make(const ControlStyle& style, Rect pixels, std::string_view text) override;
    int dpi() const override { return 96; }
    Size measure(std::string_view text, Font font) const override;
    void set_client_size(Size client, Size minimum) override;
    int widest_client() const override;
    void show() override { surface_->show(); }
    void show_error(std::string_view message, std::function<void()> closed) override;

    QWidget& surface() const { return *surface_; }

private:
    WindowEvents& events_;
    std::unique_ptr<Surface> surface_;
};

}  // namespace runtime::qt
