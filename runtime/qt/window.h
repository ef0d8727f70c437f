#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "runtime/form/toolkit.h"
#include "runtime/qt/form_keys.h"

namespace runtime::qt {

// The top-level QWidget: it tells the core when the user closes it and
// when its size or state changes, whoever changed them.
class Surface final : public QWidget {
public:
    explicit Surface(WindowEvents& events) : events_(events) {}

    Placement placement() const;
    // Runs `task` from the event loop once the window has been painted.
    void after_first_paint(std::function<void()> task) { after_first_paint_ = std::move(task); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    WindowEvents& events_;
    std::function<void()> after_first_paint_;
};

// Qt lays out in device-independent pixels, 96 to the inch, and scales
// them for the screen itself.
class Window final : public runtime::Window {
public:
    Window(std::string_view caption, WindowEvents& events);

    std::unique_ptr<runtime::Widget> make(const ControlStyle& style, Rect pixels, std::string_view text) override;
    int dpi() const override { return 96; }
    Size measure(std::string_view text, Font font) const override;
    Placement placement() const override { return surface_->placement(); }
    void set_client_size(Size client) override;
    void set_minimum_client_size(Size minimum) override;
    void shift(int left, int up) override;
    void show() override { surface_->show(); }
    bool show_error(std::string_view message) override;
    void copy(std::string_view text) override;

    void after_first_paint(std::function<void()> task) { surface_->after_first_paint(std::move(task)); }

private:
    WindowEvents& events_;
    FormKeys keys_;
    std::unique_ptr<Surface> surface_;
};

}  // namespace runtime::qt
