#include "runtime/web/window.h"

#include <emscripten.h>

#include <limits>

#include "runtime/web/controls.h"
#include "runtime/web/dom.h"
#include "runtime/web/markup.h"

namespace runtime::web {

Window::Window(std::string_view caption, WindowEvents& events) : title_(caption), events_(events) {
    web_set_title(title_.data(), title_.size());
}

std::unique_ptr<runtime::Widget> Window::make(const ControlStyle& style, Rect pixels, std::string_view text) {
    return std::make_unique<Control>(style, pixels, text, events_);
}

Size Window::measure(std::string_view text, Font font) const { return measured(text, font); }

// The page scrolls down as far as the form needs.
Placement Window::placement() const {
    return {{0, 0, client_.width, client_.height}, {0, 0, web_page_width(), std::numeric_limits<int>::max()}, false};
}

// Only the core sizes the form on a page; it hears so, as from any toolkit.
void Window::set_client_size(Size client) {
    client_ = client;
    const Utf16 style(form_style(client));
    web_set_form_style(style.data(), style.size());
    events_.resized(placement());
}

void Window::show() { web_show(); }

bool Window::show_error(std::string_view message) {
    const Utf16 text(message);
    web_show_error(title_.data(), title_.size(), text.data(), text.size(), &events_);
    return false;
}

void Window::copy(std::string_view text) {
    const Utf16 copied(text);
    web_copy(copied.data(), copied.size());
}

}  // namespace runtime::web

// From the page: the error box has closed.
extern "C" EMSCRIPTEN_KEEPALIVE void web_error_closed(runtime::WindowEvents* events) noexcept {
    events->error_closed();
}
