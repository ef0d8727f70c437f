#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "runtime/form/toolkit.h"

namespace runtime::web {

// The form as a block of the page, its caption the page's title. Its
// pixels, 96 to the inch, are CSS pixels at the browser's default text
// size (16 pixels): the stylesheet scales the form with the text size the
// reader chose, and the browser scales it for the screen. A page has no
// window to move: the form stands at the page's top-left corner, with the
// page's width, in the same pixels, as its room.
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
    void shift_left(int /*pixels*/) override {}
    void show() override;
    void show_error(std::string_view message, std::function<void()> closed) override;
    void copy(std::string_view text) override;

    // From the page: the error box that showed error `id` has closed.
    void error_closed(int id);

private:
    std::string caption_;
    WindowEvents& events_;
    Size client_;
    // Each error's own `closed`, until its box closes.
    std::vector<std::pair<int, std::function<void()>>> waiting_;
    int next_error_ = 0;
};

}  // namespace runtime::web
