#include "runtime/web/controls.h"

#include <emscripten.h>

#include <array>

#include "runtime/form/text_box_rule.h"
#include "runtime/web/dom.h"
#include "runtime/web/markup.h"
#include "runtime/web/text.h"

namespace runtime::web {

Size measured(std::string_view text, Font font) {
    const Utf16 shown(text);
    std::array<int, 2> size{};
    web_measure(shown.data(), shown.size(), drawn_points(font), size.data());
    return {size[0], size[1]};
}

// A label's caption shows on one line until the core draws it.
Control::Control(const ControlStyle& style, Rect box, std::string_view text, WindowEvents& events)
    : kind_(style.kind), events_(events), box_(box) {
    const Line whole{0, text.size()};
    const Utf16 name(style.name);
    const Utf16 markup(control_markup(style, text, {&whole, 1}));
    handle_ = web_make(name.data(), name.size(), markup.data(), markup.size(), this);
}

Control::~Control() { web_remove(handle_); }

std::string Control::text() const {
    std::u16string text(static_cast<std::size_t>(web_text_length(handle_)), u'\0');
    web_read_text(handle_, text.data());
    return to_utf8(text);
}

// Written whole each time, the same caption again too, so that screen
// readers announce every answer. A button centres its one line itself.
void Control::set_caption(const Caption& caption) {
    const Utf16 markup(kind_ == ControlKind::label ? lines_markup(caption.text, caption.lines) : escaped(caption.text));
    web_set_markup(handle_, markup.data(), markup.size());
    if (kind_ != ControlKind::label) return;
    line_height_ = caption.line_height;
    widest_word_ = widest_word(caption.text, measured);
    restyle();
}

void Control::set_font(Font font) {
    points_ = drawn_points(font);
    restyle();
}

void Control::place(Rect box) {
    box_ = box;
    restyle();
}

void Control::restyle() {
    const Utf16 style(control_style(box_, points_, line_height_, widest_word_));
    web_set_style(handle_, style.data(), style.size());
}

void Control::focus(bool select_all) { web_focus(handle_, select_all); }

void Control::name_by(const runtime::Widget& label) {
    web_name_by(handle_, static_cast<const Control&>(label).handle());
}

void Control::set_menu(std::span<const std::string_view> items) {
    std::string texts;
    for (const std::string_view item : items) {
        if (!texts.empty()) texts += '\n';
        texts += item;
    }
    const Utf16 shown(texts);
    web_set_menu(handle_, shown.data(), shown.size());
}

}  // namespace runtime::web

using runtime::web::Control;

// From the page: each goes straight into one of the core's events, which
// stop whatever the form raises, or is the core's pure rule.
extern "C" {

EMSCRIPTEN_KEEPALIVE void web_clicked(const Control* control) noexcept { control->events().clicked(*control); }

EMSCRIPTEN_KEEPALIVE void web_enter_pressed(const Control* control) noexcept {
    control->events().enter_pressed(*control);
}

EMSCRIPTEN_KEEPALIVE void web_menu_chosen(const Control* control, int item) noexcept {
    control->events().menu_chosen(*control, static_cast<std::size_t>(item));
}

// Of an insertion into a box, how many UTF-16 units the core's rule keeps.
EMSCRIPTEN_KEEPALIVE int web_kept_of_insertion(const char16_t* inserted, int length, int held, int replaced) noexcept {
    return static_cast<int>(runtime::kept_of_insertion({inserted, static_cast<std::size_t>(length)},
                                                       static_cast<std::size_t>(held),
                                                       static_cast<std::size_t>(replaced))
                                .size());
}
}
