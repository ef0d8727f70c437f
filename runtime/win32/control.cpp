#include "runtime/win32/control.h"

#include <algorithm>
#include <memory>
#include <new>

#include "runtime/error.h"
#include "runtime/form/text_box_rule.h"
#include "runtime/messages.h"
#include "runtime/win32/clipboard.h"
#include "runtime/win32/focus_ring.h"
#include "runtime/win32/wide_text.h"
#include "runtime/win32/window.h"

namespace runtime::win32 {
namespace {

struct WindowKind {
    const wchar_t* class_name;
    DWORD style;
    DWORD ex_style;
};

// Labels are drawn by the form (SS_OWNERDRAW), line by line as the core
// broke them: their window text, which screen readers read, stays whole.
// SS_NOTIFY lets a click or a right-click reach them.
WindowKind window_kind(ControlKind kind) {
    switch (kind) {
        case ControlKind::push_button:
            // Not a default button: Enter in a text box must not press it.
            return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
        case ControlKind::text_box:
            return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case ControlKind::label:
            break;
    }
    return {L"STATIC", SS_OWNERDRAW | SS_NOTIFY, 0};
}

std::wstring window_text(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

int system_colour_index(SystemColour colour) {
    return colour == SystemColour::inactive_border ? COLOR_INACTIVEBORDER : COLOR_BTNFACE;
}

}  // namespace

Control::Control(Window& form, const ControlStyle& style, Rect box, std::string_view text, int id)
    : form_(form), kind_(style.kind), centred_(style.centred), back_colour_(style.back_colour) {
    const WindowKind made_as = window_kind(style.kind);
    window_.reset(CreateWindowExW(made_as.ex_style, made_as.class_name, to_wide(text).c_str(),
                                  WS_CHILD | WS_VISIBLE | made_as.style, box.left, box.top, box.width, box.height,
                                  form.handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  GetModuleHandleW(nullptr), nullptr));
    if (!window_) throw Error(messages::internal_fault(style.name));
    // Dialog navigation follows the window order: each control goes below
    // those made before it, where Windows makes a child window already.
    if (GetWindow(handle(), GW_HWNDNEXT) != nullptr) {
        SetWindowPos(handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    if (kind_ == ControlKind::text_box) {
        SendMessageW(handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(style.max_length), 0);
    }
    if (kind_ != ControlKind::label) {
        SetWindowLongPtrW(handle(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        class_procedure_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Control::procedure)));
    }
    form_.add(*this);
    form_.placed(*this);
}

Control::~Control() { form_.remove(*this); }

std::string Control::text() const { return to_utf8(window_text(handle())); }

// A label's or button's text is its name for screen readers: each caption
// the program writes, the same again included, is announced as a new
// name; one laid out anew (a density, a zoom step) is not, and the text
// the control holds already is not set again.
void Control::set_caption(const Caption& caption) {
    std::vector<std::wstring> lines;
    if (kind_ == ControlKind::label) {
        lines.reserve(caption.lines.size());
        for (const Line& line : caption.lines) {
            lines.push_back(to_wide(caption.text.substr(line.begin, line.end - line.begin)));
        }
    }
    if (const std::wstring wide = to_wide(caption.text);
        (caption.written || wide != window_text(handle())) && !SetWindowTextW(handle(), wide.c_str())) {
        throw Error(messages::internal_fault("SetWindowTextW"));
    }
    if (caption.written) NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, handle(), OBJID_WINDOW, CHILDID_SELF);
    lines_ = std::move(lines);
    line_height_ = caption.line_height;
    InvalidateRect(handle(), nullptr, FALSE);
}

// Redrawn at once only where it shows: a window not yet shown is drawn
// whole when it is.
void Control::set_font(Font font) {
    font_ = form_.font(font);
    SendMessageW(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_), IsWindowVisible(handle()));
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

void Control::set_menu(std::span<const std::string_view> items) {
    std::vector<std::wstring> wide;
    wide.reserve(items.size());
    for (const std::string_view item : items) wide.push_back(to_wide(item));
    menu_ = std::move(wide);
}

// Screen readers name a box by the label just before it in the window order.
void Control::name_by(const runtime::Widget& label) {
    const HWND named = static_cast<const Control&>(label).handle();
    const HWND before = GetWindow(handle(), GW_HWNDPREV);
    if (before == named) return;
    SetWindowPos(named, before != nullptr ? before : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Each line in the label's font, a line height below the last, as the core
// measured them; drawn whole even where a glyph overhangs its line.
void Control::draw(const DRAWITEMSTRUCT& item) const noexcept {
    // A STATIC paints with its parent's clipping (CS_PARENTDC), which its
    // window region does not narrow: the boxes it lies beneath are left out
    // here, or it would paint over their borders.
    if (clip_) ExtSelectClipRgn(item.hDC, clip_.get(), RGN_AND);
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(system_colour_index(back_colour_)));
    const Selection selected(item.hDC, font_);
    SetTextColor(item.hDC, GetSysColor(COLOR_WINDOWTEXT));
    SetBkMode(item.hDC, TRANSPARENT);
    const UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP | (centred_ ? DT_CENTER : DT_LEFT);
    RECT line_box = item.rcItem;
    for (const std::wstring& line : lines_) {
        line_box.bottom = line_box.top + line_height_;
        DrawTextW(item.hDC, line.c_str(), static_cast<int>(line.size()), &line_box, format);
        line_box.top = line_box.bottom;
    }
}

// Windows is told only of a region that changes: setting one redraws.
void Control::clip(OwnedRegion visible) {
    if (visible ? clip_ && EqualRgn(visible.get(), clip_.get()) : !clip_) return;
    OwnedRegion given;
    if (visible) {
        given.reset(CreateRectRgn(0, 0, 0, 0));
        CombineRgn(given.get(), visible.get(), nullptr, RGN_COPY);
    }
    if (SetWindowRgn(handle(), given.get(), TRUE)) {
        static_cast<void>(given.release());  // Windows owns it now
        clip_ = std::move(visible);
    }
}

// Text boxes and buttons, before their class. Every way text reaches a
// box is a paste (Ctrl+V, Shift+Insert, the menu) or typing; a typed line
// break has no place in one line. Both show where the focus is.
LRESULT CALLBACK Control::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    const auto* const self = reinterpret_cast<const Control*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    const bool text_box = self->kind_ == ControlKind::text_box;
    if (text_box && message == WM_PASTE) {
        self->on_paste();
        return 0;
    }
    if (text_box && message == WM_CHAR && (wparam == L'\r' || wparam == L'\n')) return 0;
    const LRESULT result = CallWindowProcW(self->class_procedure_, window, message, wparam, lparam);
    follow_focus(window, message, text_box ? COLOR_WINDOWTEXT : COLOR_BTNTEXT);
    return result;
}

// What the core's rule keeps of the clipboard's text replaces the
// selection, as one step that Ctrl+Z takes back. The box's one undo step
// would take in the typing just before the paste, as if typed with it:
// emptied first, it holds the paste alone. EM_REPLACESEL wants the text
// NUL-terminated, so the part kept is copied; where memory fails, nothing
// is pasted.
void Control::on_paste() const noexcept {
    DWORD start = 0, end = 0;
    SendMessageW(handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const auto held = static_cast<std::size_t>(GetWindowTextLengthW(handle()));
    std::unique_ptr<wchar_t[]> inserted;
    read_clipboard(handle(), [&](std::u16string_view pasted) {
        const std::u16string_view kept = kept_of_insertion(pasted, held, end - start);
        inserted.reset(new (std::nothrow) wchar_t[kept.size() + 1]);
        if (inserted) *std::ranges::copy(kept, inserted.get()).out = L'\0';
    });
    if (!inserted) return;
    SendMessageW(handle(), EM_EMPTYUNDOBUFFER, 0, 0);
    SendMessageW(handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(inserted.get()));
}

}  // namespace runtime::win32
