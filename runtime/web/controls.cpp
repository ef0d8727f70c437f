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
    web_measure(shown.data(), shown.size(), font.points.value_or(default_points), size.data());
    return {size[0], size[1]};
}

Control::Control(const ControlStyle& style, Rect box, std::string_view text, WindowEvents& events)
    : kind_(style.kind), events_(events), box_(box) {
    if (kind_ == ControlKind::label) {
        caption_ = text;
        widest_word_ = widest_word(text, measured);
    }
    lines_ = {{0, text.size()}};
    const Utf16 name(style.name);
    const Utf16 markup(control_markup(style, text, lines_));
    handle_ = web_make(name.data(), name.size(), markup.data(), markup.size(), this);
    set_font({});
}

Control::~Control() { web_remove(handle_); }

std::string Control::text() const {
    std::u16string text(static_cast<std::size_t>(web_text_length(handle_)), u'\0');
    web_read_text(handle_, text.data());
    return to_utf8(text);
}

void Control::set_text(std::string_view text) {
    if (kind_ == ControlKind::label) {
        caption_ = text;
        widest_word_ = widest_word(text, measured);
        draw_lines();
        restyle();
        return;
    }
    const Utf16 shown(text);
    web_set_text(handle_, shown.data(), shown.size());
}

void Control::set_lines(std::vector<Line> lines) {
    lines_ = std::move(lines);
    draw_lines();
}

void Control::draw_lines() {
    const Utf16 markup(lines_markup(caption_, lines_));
    web_set_markup(handle_, markup.data(), markup.size());
}

void Control::set_font(Font font) {
    points_ = font.points.value_or(default_points);
    std::array<int, 2> size{};
    web_measure(nullptr, 0, points_, size.data());
    line_height_ = size[1];
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

void Control::set_menu(std::vector<MenuItem> items) {
    std::string texts;
    for (const MenuItem& item : items) texts += (texts.empty() ? "" : "\n") + item.text;
    const Utf16 shown(texts);
    web_set_menu(handle_, shown.data(), shown.size());
    menu_ = std::move(items);
}

void Control::menu_chosen(int index) {
    events_.guarded([this, index] { menu_.at(static_cast<std::size_t>(index)).chosen(); });
}

// The core's rule keeps the start of an insertion: how much of it, in
// UTF-16 units.
int Control::kept_of_insertion(std::u16string_view inserted, int held, int replaced) const noexcept {
    return static_cast<int>(
        runtime::kept_of_insertion(inserted, static_cast<std::size_t>(held), static_cast<std::size_t>(replaced))
            .size());
}

}  // namespace runtime::web

using runtime::web::Control;

extern "C" {

EMSCRIPTEN_KEEPALIVE void web_clicked(Control* control) { control->clicked(); }

EMSCRIPTEN_KEEPALIVE void web_menu_chosen(Control* control, int index) { control->menu_chosen(index); }

EMSCRIPTEN_KEEPALIVE int web_kept_of_insertion(const Control* control, const char16_t* inserted, int length, int held,
                                               int replaced) {
    return control->kept_of_insertion({inserted, static_cast<std::size_t>(length)}, held, replaced);
}
}
