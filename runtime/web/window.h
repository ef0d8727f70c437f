#pragma once

#include <string_view>

#include "runtime/form/toolkit.h"
#include "runtime/web/text.h"

namespace runtime::web {

// The form as a block of the page, its caption the page's title. Its
// pixels, 96 to the inch, are CSS pixels at the browser's default text
// size (16 pixels): the stylesheet scales the form with the text size the
// reader chose, and the browser scales it for the screen and for its own
// zoom (Ctrl+plus, a pinch), which the page leaves to the browser: it never
// asks the core to zoom. A page has no window to move: the form stands at
// the page's top-left corner, with the page's width, in the same pixels,
// as its room.
class Window final : public runtime::Window {
public:
    Window(std::string_view caption, WindowEvents& events);

    std::unique_ptr<runtime::Widget> make(const ControlStyle& style, Rect pixels, std::string_view text) override;
    int dpi() const override { return 96; }
    Size measure(std::string_view text, Font font) const override;
    Placement placement() const override;
    void set_client_size(Size client) override;
    // The user cannot drag a page smaller than the form: nothing to set.
    void set_minimum_client_size(Size /*minimum*/) override {}
    void shift(int /*left*/, int /*up*/) override {}
    void show() override;
    // The page's dialog cannot hold the program until it closes: it
    // reports error_closed() then.
    bool show_error(std::string_view message) override;
    void copy(std::string_view text) override;

private:
    Utf16 title_;
    WindowEvents& events_;
    Size client_;
};

}  // namespace runtime::web
