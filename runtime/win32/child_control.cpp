#include "runtime/win32/child_control.h"

#include "runtime/messages.h"
#include "runtime/win32/fonts.h"
#include "runtime/win32/wide_text.h"

namespace runtime::win32 {
namespace {

struct WindowKind {
    const wchar_t* class_name;
    DWORD style;
    DWORD ex_style;
};

WindowKind window_kind(const ControlDescription& control) {
    switch (control.kind) {
        case ControlKind::push_button:
            // Not a default button: Enter in a text box must not press it.
            return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
        case ControlKind::text_box:
            return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case ControlKind::label: {
            // A self-sizing label keeps to one line; the others wrap in their box.
            const DWORD alignment = control.auto_size ? SS_LEFTNOWORDWRAP : control.centred ? SS_CENTER : SS_LEFT;
            return {L"STATIC", alignment | SS_NOPREFIX, 0};
        }
    }
    throw Error(messages::internal_fault(control.name));
}

std::wstring window_text(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

ChildControl::ChildControl(HWND parent, const ControlDescription& description, int id, int dpi)
    : description_(description), dpi_(dpi) {
    const WindowKind kind = window_kind(description);
    window_.reset(CreateWindowExW(
        kind.ex_style, kind.class_name, to_wide(description.text).c_str(), WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0,
        0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr));
    if (!window_) throw Error(messages::internal_fault(description.name));
    apply_dpi(dpi);
}

void ChildControl::apply_dpi(int dpi) {
    dpi_ = dpi;
    const auto pixels = [dpi](int twips) { return to_pixels(twips, dpi); };
    SetWindowPos(handle(), nullptr, pixels(description_.left), pixels(description_.top), pixels(description_.width),
                 pixels(description_.height), SWP_NOZORDER | SWP_NOACTIVATE);
    use_font(message_font(dpi, points_));
}

std::string ChildControl::text() const { return to_utf8(window_text(handle())); }

void ChildControl::set_text(std::string_view text) {
    if (!SetWindowTextW(handle(), to_wide(text).c_str())) throw Error(messages::internal_fault(description_.name));
    if (description_.auto_size) fit_to_caption();
    // A label's or button's text is its name for screen readers.
    if (description_.kind != ControlKind::text_box) {
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, handle(), OBJID_WINDOW, CHILDID_SELF);
    }
}

void ChildControl::set_font_size(float points) {
    OwnedFont font = message_font(dpi_, points);
    points_ = points;
    use_font(std::move(font));
}

void ChildControl::use_font(OwnedFont font) {
    SendMessageW(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    font_ = std::move(font);  // the previous font is released only now that nothing uses it
    if (description_.auto_size) fit_to_caption();
}

// The caption's single line in the current font; left and top stay.
void ChildControl::fit_to_caption() {
    const std::wstring caption = window_text(handle());
    const WindowDC dc(handle());
    const Selection font(dc.get(), font_.get());
    SIZE extent{};
    TEXTMETRICW metrics{};
    GetTextExtentPoint32W(dc.get(), caption.c_str(), static_cast<int>(caption.size()), &extent);
    GetTextMetricsW(dc.get(), &metrics);
    SetWindowPos(handle(), nullptr, 0, 0, extent.cx, metrics.tmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The new caption was drawn when it was set, clipped to the old size;
    // the label may not repaint the part it has grown by.
    InvalidateRect(handle(), nullptr, TRUE);
}

}  // namespace runtime::win32
