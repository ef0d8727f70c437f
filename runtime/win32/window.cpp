#include "runtime/win32/window.h"

#include <windowsx.h>

#include <algorithm>

#include "resources/windows/resource_ids.h"
#include "runtime/error.h"
#include "runtime/messages.h"
#include "runtime/win32/control.h"
#include "runtime/win32/dpi.h"
#include "runtime/win32/error_box.h"
#include "runtime/win32/label_clipping.h"
#include "runtime/win32/wide_text.h"

namespace runtime::win32 {
namespace {

constexpr DWORD frame_style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD frame_ex_style = 0;
// Above IDOK and IDCANCEL, which dialog navigation sends for Enter and Escape.
constexpr int first_control_id = 100;

ATOM form_class = 0;

int system_colour_index(SystemColour colour) {
    return colour == SystemColour::inactive_border ? COLOR_INACTIVEBORDER : COLOR_BTNFACE;
}

}  // namespace

void Window::register_class(std::string_view program_name) {
    if (form_class != 0) return;
    const std::wstring name = to_wide(program_name) + L".Form";
    WNDCLASSEXW form{};
    form.cbSize = sizeof form;
    form.lpfnWndProc = &Window::procedure;
    form.hInstance = GetModuleHandleW(nullptr);
    form.hIcon = LoadIconW(form.hInstance, MAKEINTRESOURCEW(TENGLAMA_ICON));
    form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    form.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    form.lpszClassName = name.c_str();
    form_class = RegisterClassExW(&form);
    if (form_class == 0) throw Error(messages::internal_fault("RegisterClassExW"));
}

bool Window::is_form(HWND window) {
    return window != nullptr && form_class != 0 && GetClassLongPtrW(window, GCW_ATOM) == form_class;
}

Window::Window(std::string_view caption, WindowEvents& events) : caption_(caption), events_(events) {
    // The procedure takes ownership of the new window as it is created.
    const HWND created =
        CreateWindowExW(frame_ex_style, MAKEINTATOM(form_class), to_wide(caption).c_str(), frame_style, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (created == nullptr || !frame_) throw Error(messages::internal_fault("CreateWindowExW"));
    dpi_ = window_dpi(created);
}

// Destroyed while every member is still whole: the window's own messages
// on the way down still reach this object.
Window::~Window() {
    if (frame_) DestroyWindow(frame_.get());
}

std::unique_ptr<runtime::Widget> Window::make(const ControlStyle& style, Rect pixels, std::string_view text) {
    const int id = first_control_id + static_cast<int>(controls_.size());
    return std::make_unique<Control>(*this, style, pixels, text, id);
}

Size Window::measure(std::string_view text, Font font) const {
    const std::wstring wide = to_wide(text);
    const WindowDC dc(handle());
    const Selection selected(dc.get(), this->font(font));
    SIZE extent{};
    TEXTMETRICW metrics{};
    GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &extent);
    GetTextMetricsW(dc.get(), &metrics);
    return {extent.cx, metrics.tmHeight};
}

SIZE Window::outer_size(Size client) const {
    return window_size_for_client({client.width, client.height}, frame_style, frame_ex_style, dpi());
}

void Window::set_client_size(Size client, Size minimum) {
    minimum_ = minimum;
    const SIZE outer = outer_size(client);
    SetWindowPos(handle(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Window::widest_client() const {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(handle(), MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork.right - monitor.rcWork.left - outer_size({}).cx;
}

void Window::show() {
    ShowWindow(handle(), SW_SHOWDEFAULT);
    UpdateWindow(handle());
}

void Window::show_error(std::string_view message, std::function<void()> closed) {
    show_error_box(handle(), caption_, message);
    closed();
}

void Window::remove(const Control& control) {
    std::erase(controls_, &control);
    if (remembered_focus_ == control.handle()) remembered_focus_ = nullptr;
}

void Window::placed(const Control& control) const { keep_labels_beneath(control, controls_); }

// Every message passes here; no exception may cross back into Windows.
LRESULT CALLBACK Window::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    if (message == WM_NCCREATE) {
        auto* const created = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
        created->frame_.reset(window);
    }
    auto* const self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        static_cast<void>(self->frame_.release());  // Windows is destroying it already
        return DefWindowProcW(window, message, wparam, lparam);
    }
    try {
        return self->on_message(message, wparam, lparam);
    } catch (const std::exception& error) {
        show_error_box(window, self->caption_, error.what());
    } catch (...) {
        show_error_box(window, self->caption_, "?");
    }
    return 0;
}

LRESULT Window::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND:
            on_command(wparam, lparam);
            return 0;
        case WM_CTLCOLORSTATIC:
            return on_ctl_color_static(wparam, lparam);
        case WM_ACTIVATE:
            return on_activate(wparam, lparam);
        case WM_SETFOCUS:
            if (control_for(remembered_focus_) != nullptr) SetFocus(remembered_focus_);
            return 0;
        case WM_DPICHANGED:
            on_dpi_changed(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
            return 0;
        case WM_GETMINMAXINFO:
            on_get_min_max_info(*reinterpret_cast<MINMAXINFO*>(lparam));
            return 0;
        case WM_CONTEXTMENU:
            on_context_menu(reinterpret_cast<HWND>(wparam), {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
            return 0;
        case WM_CLOSE:  // the runtime ends the program; the window goes with the form
            events_.close_requested();
            return 0;
        default:
            return DefWindowProcW(handle(), message, wparam, lparam);
    }
}

void Window::on_command(WPARAM wparam, LPARAM lparam) {
    switch (LOWORD(wparam)) {
        case IDOK:  // Enter, turned into IDOK by dialog navigation: only a focused button answers it
            if (const Control* focused = control_for(GetFocus());
                focused && focused->kind() == ControlKind::push_button) {
                events_.clicked(*focused);
            }
            return;
        case IDCANCEL:  // Escape: the form has no cancel button
            return;
        default:
            if (HIWORD(wparam) != BN_CLICKED) return;
            if (const Control* clicked = control_for(reinterpret_cast<HWND>(lparam));
                clicked != nullptr && clicked->kind() == ControlKind::push_button) {
                events_.clicked(*clicked);
            }
    }
}

LRESULT Window::on_ctl_color_static(WPARAM wparam, LPARAM lparam) {
    const Control* control = control_for(reinterpret_cast<HWND>(lparam));
    if (control == nullptr || control->back_colour() == SystemColour::none) {
        return DefWindowProcW(handle(), WM_CTLCOLORSTATIC, wparam, lparam);
    }
    const int colour = system_colour_index(control->back_colour());
    SetBkColor(reinterpret_cast<HDC>(wparam), GetSysColor(colour));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(colour));
}

// Like a dialog, the form hands the focus back to the control that had it
// when it was last active; Windows alone would give it to the frame.
LRESULT Window::on_activate(WPARAM wparam, LPARAM lparam) {
    const bool minimised = HIWORD(wparam) != 0;
    if (LOWORD(wparam) == WA_INACTIVE) {
        if (control_for(GetFocus()) != nullptr) remembered_focus_ = GetFocus();
    } else if (!minimised) {
        if (control_for(remembered_focus_) != nullptr) SetFocus(remembered_focus_);
        return 0;
    }
    return DefWindowProcW(handle(), WM_ACTIVATE, wparam, lparam);
}

// Moved to a screen of another density: where Windows suggests, then the
// runtime lays everything out again.
void Window::on_dpi_changed(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    SetWindowPos(handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    events_.dpi_changed();
}

void Window::on_get_min_max_info(MINMAXINFO& limits) const {
    const SIZE smallest = outer_size(minimum_);
    limits.ptMinTrackSize = {smallest.cx, smallest.cy};
}

void Window::on_context_menu(HWND clicked, POINT at) {
    const Control* control = control_for(clicked);
    if (control == nullptr || control->menu().empty()) return;
    const OwnedMenu menu(CreatePopupMenu());
    for (std::size_t i = 0; i < control->menu().size(); ++i) {
        AppendMenuW(menu.get(), MF_STRING, i + 1, to_wide(control->menu()[i].text).c_str());
    }
    const UINT chosen =
        static_cast<UINT>(TrackPopupMenuEx(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, handle(), nullptr));
    if (chosen != 0) control->menu()[chosen - 1].chosen();
}

Control* Window::control_for(HWND window) const {
    if (window == nullptr) return nullptr;
    const auto found = std::ranges::find(controls_, window, &Control::handle);
    return found == controls_.end() ? nullptr : *found;
}

}  // namespace runtime::win32
