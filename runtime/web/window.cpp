#include "runtime/web/window.h"

#include <emscripten.h>

#include <limits>
#include <utility>

#include "runtime/web/controls.h"
#include "runtime/web/dom.h"
#include "runtime/web/page_call.h"
#include "runtime/web/text.h"

namespace runtime::web {

Window::Window(std::string_view caption, WindowEvents& events) : caption_(caption), events_(events) {
    const Utf16 title(caption);
    web_set_title(title.data(), title.size());
}

std::unique_ptr<runtime::Widget> Window::make(const ControlStyle& style, Rect pixels, std::string_view text) {
    return std::make_unique<Control>(style, pixels, text, events_);
}

Size Window::measure(std::string_view text, Font font) const {
    const Utf16 measured(text);
    int size[2] = {};
    web_measure(measured.data(), measured.size(), font.points.value_or(0.0f), size);
    return {size[0], size[1]};
}

// A page cannot be dragged smaller than the form: the form is always its
// client size, and the page scales it rather than hide any of it.
void Window::set_client_size(Size client, Size /*minimum*/) { web_set_client_size(client.width, client.height); }

// However wide the form grows, the page scales it to the screen's width,
// so no width hides an answer.
int Window::widest_client() const { return std::numeric_limits<int>::max(); }

void Window::show() { web_show(); }

void Window::show_error(std::string_view message, std::function<void()> closed) {
    error_closed_ = std::move(closed);
    const Utf16 title(caption_);
    const Utf16 text(message);
    web_show_error(title.data(), title.size(), text.data(), text.size(), this);
}

void Window::error_closed() {
    if (auto closed = std::exchange(error_closed_, nullptr)) closed();
}

}  // namespace runtime::web

extern "C" EMSCRIPTEN_KEEPALIVE void web_error_closed(runtime::web::Window* window) {
    runtime::web::from_page([=] { window->error_closed(); });
}
