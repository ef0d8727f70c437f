#include "runtime/win32/window.h"

#include <windowsx.h>

#include <algorithm>
#include <string>

#include "resources/windows/resource_ids.h"
#include "runtime/error.h"
#include "runtime/messages.h"
#include "runtime/win32/clipboard.h"
#include "runtime/win32/control.h"
#include "runtime/win32/dpi.h"
#include "runtime/win32/error_box.h"
#include "runtime/win32/label_clipping.h"
#include "runtime/win32/wide_text.h"
#include "runtime/win32/zoom_keys.h"

namespace runtime::win32 {
namespace {

constexpr DWORD frame_style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD frame_ex_style = 0;
// Posted by the form to itself: see on_window_pos_changing.
constexpr UINT restore_least_size = WM_APP;

// Why a call failed, as Windows tells it, for the message that says so.
std::string failure_of(std::string_view function) {
    const DWORD code = GetLastError();
    return std::string(function) + ", GetLastError " + std::to_string(code);
}

}  // namespace

ATOM Window::register_class(const std::wstring& name) {
    WNDCLASSEXW form{};
    form.cbSize = sizeof form;
    form.lpfnWndProc = &Window::procedure;
    form.hInstance = GetModuleHandleW(nullptr);
    form.hIcon = LoadIconW(form.hInstance, MAKEINTRESOURCEW(TENGLAMA_ICON));
    form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    form.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    form.lpszClassName = name.c_str();
    const ATOM registered = RegisterClassExW(&form);
    if (registered == 0) throw Error(messages::cannot_make_window(failure_of("RegisterClassExW")));
    return registered;
}

// A form is a window that this procedure serves, whatever its class's name.
Window* Window::of(HWND window) {
    if (window == nullptr ||
        GetWindowLongPtrW(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&Window::procedure)) {
        return nullptr;
    }
    auto* const form = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return form != nullptr && form->live_ ? form : nullptr;
}

Window::Window(ATOM form_class, std::string_view caption, WindowEvents& events) : caption_(caption), events_(events) {
    // The procedure takes ownership of the new window as it is created.
    const HWND created =
        CreateWindowExW(frame_ex_style, MAKEINTATOM(form_class), to_wide(caption).c_str(), frame_style, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (created == nullptr || !frame_) throw Error(messages::cannot_make_window(failure_of("CreateWindowExW")));
    dpi_ = window_dpi(created);
    live_ = true;
}

// Destroyed while every member is still whole; the window's own messages
// on the way down go to Windows alone, as the form is going too.
Window::~Window() {
    live_ = false;
    if (frame_) DestroyWindow(frame_.get());
}

std::unique_ptr<runtime::Widget> Window::make(const ControlStyle& style, Rect pixels, std::string_view text) {
    const int id = first_control_id + static_cast<int>(controls_.size());
    return std::make_unique<Control>(*this, style, pixels, text, id);
}

// Only the core asks, behind its barrier: the conversion may allocate here.
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

SIZE Window::outer_size(Size client) const noexcept {
    return window_size_for_client({client.width, client.height}, frame_style, frame_ex_style, dpi());
}

// The room is the work area of the window's monitor less the frame, as the
// window has it now, at its density.
Placement Window::placement() const noexcept {
    RECT window{}, client{};
    GetWindowRect(handle(), &window);
    GetClientRect(handle(), &client);
    MapWindowPoints(handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(handle(), MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const int frame_width = (window.right - window.left) - (client.right - client.left);
    const int frame_height = (window.bottom - window.top) - (client.bottom - client.top);
    return {{client.left, client.top, client.right - client.left, client.bottom - client.top},
            {work.left + client.left - window.left, work.top + client.top - window.top,
             work.right - work.left - frame_width, work.bottom - work.top - frame_height},
            IsZoomed(handle()) != FALSE};
}

void Window::set_client_size(Size client) {
    const SIZE outer = outer_size(client);
    SetWindowPos(handle(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::shift(int left, int up) {
    RECT window{};
    GetWindowRect(handle(), &window);
    SetWindowPos(handle(), nullptr, window.left - left, window.top - up, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::show() {
    ShowWindow(handle(), SW_SHOWDEFAULT);
    UpdateWindow(handle());
}

// The box is modal: it returns once the user has closed it.
bool Window::show_error(std::string_view message) {
    show_error_box(handle(), caption_, message);
    return true;
}

void Window::copy(std::string_view text) { put_on_clipboard(handle(), to_wide(text)); }

// A fine wheel, or a touchpad's pinch, turns less than a notch at a time:
// the form steps once a notch.
bool Window::take_zoom_input(const MSG& message) noexcept {
    if (const std::optional<Zoom> zoom = zoom_key(message)) {
        events_.zoom_requested(*zoom);
        return true;
    }
    if (message.message != WM_MOUSEWHEEL || (GET_KEYSTATE_WPARAM(message.wParam) & MK_CONTROL) == 0) return false;
    wheel_ += GET_WHEEL_DELTA_WPARAM(message.wParam);
    for (; wheel_ >= WHEEL_DELTA; wheel_ -= WHEEL_DELTA) events_.zoom_requested(Zoom::in);
    for (; wheel_ <= -WHEEL_DELTA; wheel_ += WHEEL_DELTA) events_.zoom_requested(Zoom::out);
    return true;
}

void Window::remove(const Control& control) {
    std::erase(controls_, &control);
    if (remembered_focus_ == control.handle()) remembered_focus_ = nullptr;
}

void Window::placed(Control& control) const { keep_labels_beneath(control, controls_); }

// Every message passes here.
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
    }
    if (!self->live_) return DefWindowProcW(window, message, wparam, lparam);
    return self->on_message(message, wparam, lparam);
}

LRESULT Window::on_message(UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    switch (message) {
        case WM_COMMAND:
            on_command(wparam, lparam);
            return 0;
        case WM_DRAWITEM:
            on_draw_item(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
            return TRUE;
        case WM_ACTIVATE:
            return on_activate(wparam, lparam);
        case WM_SETFOCUS:
            if (control_for(remembered_focus_) != nullptr) SetFocus(remembered_focus_);
            return 0;
        case WM_SIZE:
            on_size(wparam);
            return 0;
        case WM_DPICHANGED:
            on_dpi_changed(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
            return 0;
        case WM_GETMINMAXINFO:
            on_get_min_max_info(*reinterpret_cast<MINMAXINFO*>(lparam));
            return 0;
        case WM_WINDOWPOSCHANGING:
            on_window_pos_changing(*reinterpret_cast<const WINDOWPOS*>(lparam));
            return DefWindowProcW(handle(), message, wparam, lparam);
        case restore_least_size:
            on_restore_least_size();
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

void Window::on_command(WPARAM wparam, LPARAM lparam) noexcept {
    switch (LOWORD(wparam)) {
        case IDOK:  // Enter, on the keypad too, turned into IDOK by dialog navigation
            if (const Control* focused = control_for(GetFocus())) events_.enter_pressed(*focused);
            return;
        case IDCANCEL:  // Escape: the form has no cancel button
            return;
        default:  // a button's BN_CLICKED or a label's STN_CLICKED, which share the code
            if (HIWORD(wparam) != BN_CLICKED) return;
            if (const Control* clicked = control_for(reinterpret_cast<HWND>(lparam));
                clicked != nullptr && clicked->kind() != ControlKind::text_box) {
                events_.clicked(*clicked);
            }
    }
}

void Window::on_draw_item(const DRAWITEMSTRUCT& item) const noexcept {
    if (const Control* label = control_for(item.hwndItem); label != nullptr && label->kind() == ControlKind::label) {
        label->draw(item);
    }
}

// Like a dialog, the form hands the focus back to the control that had it
// when it was last active; Windows alone would give it to the frame.
LRESULT Window::on_activate(WPARAM wparam, LPARAM lparam) noexcept {
    const bool minimised = HIWORD(wparam) != 0;
    if (LOWORD(wparam) == WA_INACTIVE) {
        if (control_for(GetFocus()) != nullptr) remembered_focus_ = GetFocus();
    } else if (!minimised) {
        if (control_for(remembered_focus_) != nullptr) SetFocus(remembered_focus_);
        return 0;
    }
    return DefWindowProcW(handle(), WM_ACTIVATE, wparam, lparam);
}

// Minimised, the client area is none: the user's size is what it was.
void Window::on_size(WPARAM kind) noexcept {
    if (kind != SIZE_MINIMIZED) events_.resized(placement());
}

// Moved to a screen of another density: to where Windows suggests, but at
// the size the core scales from the user's, not at Windows' own.
void Window::on_dpi_changed(int dpi, const RECT& suggested) noexcept {
    dpi_ = dpi;
    SetWindowPos(handle(), nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    events_.dpi_changed(dpi);
}

void Window::on_get_min_max_info(MINMAXINFO& limits) const noexcept {
    const SIZE smallest = outer_size(minimum_);
    limits.ptMinTrackSize = {smallest.cx, smallest.cy};
}

// Windows' own sizing stops at the least size (WM_GETMINMAXINFO), and
// DefWindowProc holds any smaller request to it. Wine's X11 driver gives
// the window manager no least size for a resizable window, so the manager
// may make the X window smaller; Wine then asks for that size here and
// keeps the X window so while the Win32 window stays at the least, hiding
// the controls beyond. Once that has passed, the window's own position is
// set again, which Wine sends to the X window.
void Window::on_window_pos_changing(const WINDOWPOS& position) noexcept {
    if ((position.flags & SWP_NOSIZE) != 0 || IsIconic(handle()) || IsZoomed(handle()) || restore_posted_) return;
    const SIZE least = outer_size(minimum_);
    if (position.cx >= least.cx && position.cy >= least.cy) return;
    restore_posted_ = PostMessageW(handle(), restore_least_size, 0, 0) != FALSE;
}

void Window::on_restore_least_size() noexcept {
    restore_posted_ = false;
    // A frame change, so that Wine reconfigures the X window even though
    // the Win32 window's size is what it was.
    SetWindowPos(handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void Window::on_context_menu(HWND clicked, POINT at) noexcept {
    const Control* control = control_for(clicked);
    if (control == nullptr || control->menu().empty()) return;
    const OwnedMenu menu(CreatePopupMenu());
    for (std::size_t i = 0; i < control->menu().size(); ++i) {
        AppendMenuW(menu.get(), MF_STRING, i + 1, control->menu()[i].c_str());
    }
    const auto chosen = static_cast<std::size_t>(
        TrackPopupMenuEx(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, handle(), nullptr));
    if (chosen != 0) events_.menu_chosen(*control, chosen - 1);
}

Control* Window::control_for(HWND window) const noexcept {
    if (window == nullptr) return nullptr;
    const auto found = std::ranges::find(controls_, window, &Control::handle);
    return found == controls_.end() ? nullptr : *found;
}

}  // namespace runtime::win32
