#include "runtime/win32/control.h"

#include "runtime/error.h"
#include "runtime/messages.h"
#include "runtime/win32/wide_text.h"
#include "runtime/win32/window.h"

namespace runtime::win32 {
namespace {

struct WindowKind {
    const wchar_t* class_name;
    DWORD style;
    DWORD ex_style;
};

// Labels never wrap: the runtime breaks their lines. SS_NOTIFY lets a
// right-click reach a label's menu.
WindowKind window_kind(const ControlStyle& style) {
    switch (style.kind) {
        case ControlKind::push_button:
            // Not a default button: Enter in a text box must not press it.
            return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
        case ControlKind::text_box:
            return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case ControlKind::label:
            break;
    }
    const DWORD alignment = style.centred ? SS_CENTER : SS_LEFTNOWORDWRAP;
    return {L"STATIC", alignment | SS_NOPREFIX | SS_NOTIFY, 0};
}

std::wstring window_text(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

Control::Control(Window& form, const ControlStyle& style, Rect box, std::string_view text, int id)
    : form_(form), kind_(style.kind), back_colour_(style.back_colour) {
    const WindowKind made_as = window_kind(style);
    window_.reset(CreateWindowExW(made_as.ex_style, made_as.class_name, to_wide(text).c_str(),
                                  WS_CHILD | WS_VISIBLE | made_as.style, box.left, box.top, box.width, box.height,
                                  form.handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  GetModuleHandleW(nullptr), nullptr));
    if (!window_) throw Error(messages::internal_fault(style.name));
    // Dialog navigation follows the window order: each control goes below
    // those made before it.
    SetWindowPos(handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (kind_ == ControlKind::text_box) SendMessageW(handle(), EM_SETLIMITTEXT, style.max_length, 0);
    form_.add(*this);
}

Control::~Control() { form_.remove(*this); }

std::string Control::text() const { return to_utf8(window_text(handle())); }

void Control::set_text(std::string_view text) {
    if (!SetWindowTextW(handle(), to_wide(text).c_str())) throw Error(messages::internal_fault("SetWindowTextW"));
    // A label's or button's text is its name for screen readers.
    if (kind_ != ControlKind::text_box) NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, handle(), OBJID_WINDOW, CHILDID_SELF);
}

void Control::set_font(Font font) {
    SendMessageW(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(form_.font(font)), TRUE);
}

void Control::place(Rect box) {
    SetWindowPos(handle(), nullptr, box.left, box.top, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE);
    // A label drawn at its old size may not repaint the part it has grown by.
    InvalidateRect(handle(), nullptr, TRUE);
    form_.placed(*this);
}

void Control::focus(bool select_all) {
    form_.remember_focus(handle());
    SetFocus(handle());
    if (select_all) SendMessageW(handle(), EM_SETSEL, 0, -1);
}

// Screen readers name a box by the label just before it in the window order.
void Control::name_by(const runtime::Widget& label) {
    const HWND named = static_cast<const Control&>(label).handle();
    const HWND before = GetWindow(handle(), GW_HWNDPREV);
    if (before == named) return;
    SetWindowPos(named, before != nullptr ? before : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace runtime::win32
