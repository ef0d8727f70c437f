#pragma once

#include <functional>
#include <string>

#include "runtime/form/toolkit.h"

namespace runtime::web {

// The form as a block of the page, its caption the page's title. Its
// pixels are CSS pixels, 96 to the inch; the browser scales them for the
// screen, and the page shrinks the whole form where the screen is narrower.
class Window final : public runtime::Window {
public:
    Window(std::string_view caption, WindowEvents& events);

    std::unique_ptr<runtime::Widget> make(const ControlStyle& style, Rect pixels, std::string_view text) override;
    int dpi() const override { return 96; }
    Size measure(std::string_view text, Font font) const override;
    void set_client_size(Size client, Size minimum) override;
    int widest_client() const override;
    void show() override;
    void show_error(std::string_view message, std::function<void()> closed) override;

    // From the page: the error box has closed.
    void error_closed();

private:
    std::string caption_;
    WindowEvents& events_;
    std::function<void()> error_closed_;
};

}  // namespace runtime::web
