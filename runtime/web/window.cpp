#include "runtime/web/window.h"

#include <emscripten.h>

#include <algorithm>
#include <limits>
#include <utility>

#include "runtime/web/controls.h"
#include "runtime/web/dom.h"
#include "runtime/web/markup.h"
#include "runtime/web/text.h"

namespace runtime::web {

Window::Window(std::string_view caption, WindowEvents& events) : caption_(caption), events_(events) {
    const Utf16 title(caption);
    web_set_title(title.data(), title.size());
}

std::unique_ptr<runtime::Widget> Window::make(const ControlStyle& style, Rect pixels, std::string_view text) {
    return std::make_unique<Control>(style, pixels, text, events_);
}

Size Window::measure(std::string_view text, Font font) const { return measured(text, font); }

// The page scrolls down as far as the form needs.
Placement Window::placement() const {
    return {{0, 0, client_.width, client_.height}, {0, 0, web_page_width(), std::numeric_limits<int>::max()}, false};
}

void Window::set_client_size(Size client) {
    client_ = client;
    const Utf16 style(form_style(client));
    web_set_form_style(style.data(), style.size());
}

void Window::show() { web_show(); }

void Window::show_error(std::string_view message, std::function<void()> closed) {
    const int id = next_error_++;
    waiting_.emplace_back(id, std::move(closed));
    const Utf16 title(caption_);
    const Utf16 text(message);
    web_show_error(title.data(), title.size(), text.data(), text.size(), this, id);
}

void Window::error_closed(int id) {
    events_.guarded([this, id] {
        const auto found =
            std::find_if(waiting_.begin(), waiting_.end(), [id](const auto& each) { return each.first == id; });
        if (found == waiting_.end()) return;
        const std::function<void()> closed = std::move(found->second);
        waiting_.erase(found);
        closed();
    });
}

void Window::copy(std::string_view text) {
    const Utf16 copied(text);
    web_copy(copied.data(), copied.size());
}

}  // namespace runtime::web

extern "C" EMSCRIPTEN_KEEPALIVE void web_error_closed(runtime::web::Window* window, int id) {
    window->error_closed(id);
}
