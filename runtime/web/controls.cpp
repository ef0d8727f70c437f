#include "runtime/web/controls.h"

#include <emscripten.h>

#include "runtime/form/text_box_rule.h"
#include "runtime/web/dom.h"
#include "runtime/web/page_call.h"
#include "runtime/web/text.h"

namespace runtime::web {

Control::Control(const ControlStyle& style, Rect box, std::string_view text, WindowEvents& events) : events_(events) {
    const Utf16 name(style.name);
    const Utf16 shown(text);
    handle_ = web_make(static_cast<int>(style.kind), name.data(), name.size(), style.centred,
                       style.back_colour == SystemColour::inactive_border, style.max_length, style.announce_changes,
                       shown.data(), shown.size(), this);
    place(box);
}

Control::~Control() { web_remove(handle_); }

std::string Control::text() const {
    std::u16string text(static_cast<std::size_t>(web_text_length(handle_)), u'\0');
    web_read_text(handle_, text.data());
    return to_utf8(text);
}

void Control::set_text(std::string_view text) {
    const Utf16 shown(text);
    web_set_text(handle_, shown.data(), shown.size());
}

void Control::set_font(Font font) { web_set_font(handle_, font.points.value_or(0.0f)); }

void Control::place(Rect box) { web_place(handle_, box.left, box.top, box.width, box.height); }

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

// The box held `before`; the browser is about to make it `after`. Where
// the core keeps less, the box shows that instead.
bool Control::inserted(std::u16string_view before, std::u16string_view after, int caret) const {
    const Edit kept = keep_first_line(before, after, static_cast<std::size_t>(caret));
    if (kept.text == after) return false;
    web_set_edit(handle_, kept.text.data(), static_cast<int>(kept.text.size()), static_cast<int>(kept.cursor));
    return true;
}

}  // namespace runtime::web

using runtime::web::Control;
using runtime::web::from_page;

extern "C" {

EMSCRIPTEN_KEEPALIVE void web_clicked(Control* control) {
    from_page([=] { control->clicked(); });
}

EMSCRIPTEN_KEEPALIVE void web_menu_chosen(const Control* control, int index) {
    from_page([=] { control->menu_chosen(index); });
}

// True when the core kept less than the browser would insert.
EMSCRIPTEN_KEEPALIVE bool web_inserted(const Control* control, const char16_t* before, int before_length,
                                       const char16_t* after, int after_length, int caret) {
    bool cut = false;
    from_page([&] {
        cut = control->inserted({before, static_cast<std::size_t>(before_length)},
                                {after, static_cast<std::size_t>(after_length)}, caret);
    });
    return cut;
}
}
