#include "runtime/headless/toolkit.h"

#include <stdexcept>

namespace runtime::headless {

Widget::Widget(const ControlStyle& made_as, Rect at, std::string_view initial)
    : style(made_as), box(at), value(initial) {}

void Widget::set_caption(const Caption& caption) {
    value = caption.text;
    lines.assign(caption.lines.begin(), caption.lines.end());
    line_height = caption.line_height;
    ++captions;
    written += caption.written ? 1 : 0;
}

void Widget::focus(bool select_all) {
    ++focused;
    selected_all = select_all;
}

Window::Window(std::string_view title, WindowEvents& to, Metrics measures)
    : caption(title), events(to), metrics(measures) {}

std::unique_ptr<runtime::Widget> Window::make(const ControlStyle& style, Rect pixels, std::string_view text) {
    auto control = std::make_unique<Widget>(style, pixels, text);
    made.push_back(control.get());
    return control;
}

Size Window::measure(std::string_view text, Font font) const {
    return metrics(text, font.points.value_or(default_points) * font.scale, dots_per_inch);
}

void Window::set_client_size(Size size) {
    client = size;
    events.resized(placement());
}

bool Window::show_error(std::string_view message) {
    errors.emplace_back(message);
    return waits_for_errors;
}

Widget& Window::widget(std::string_view name) const {
    for (Widget* each : made) {
        if (each->style.name == name) return *each;
    }
    throw std::out_of_range(std::string(name));
}

std::unique_ptr<runtime::Window> Toolkit::make_window(std::string_view caption, WindowEvents& events) {
    auto made = std::make_unique<Window>(caption, events, metrics_);
    window = made.get();
    return made;
}

void Toolkit::show_error(std::string_view title, std::string_view message) {
    errors.push_back(std::string(title) + ": " + std::string(message));
}

}  // namespace runtime::headless
