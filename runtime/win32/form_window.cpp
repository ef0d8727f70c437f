#include "runtime/win32/form_window.h"

#include <algorithm>

#include "resources/windows/resource_ids.h"
#include "runtime/event_boundary.h"
#include "runtime/messages.h"
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

const wchar_t* form_class(WNDPROC procedure) {
    static const wchar_t* const name = [procedure] {
        WNDCLASSEXW form{};
        form.cbSize = sizeof form;
        form.lpfnWndProc = procedure;
        form.hInstance = GetModuleHandleW(nullptr);
        form.hIcon = LoadIconW(form.hInstance, MAKEINTRESOURCEW(TENGLAMA_ICON));
        form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        form.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        form.lpszClassName = L"Tenglama.Form";
        if (RegisterClassExW(&form) == 0) throw Error(messages::internal_fault("RegisterClassExW"));
        return form.lpszClassName;
    }();
    return name;
}

int system_colour_index(SystemColour colour) {
    switch (colour) {
        case SystemColour::inactive_border:
            return COLOR_INACTIVEBORDER;
        case SystemColour::none:
            break;
    }
    return COLOR_BTNFACE;
}

}  // namespace

FormWindow::FormWindow(const ProjectDescription& project) : project_(project) {
    const FormDescription& form = project.startup_form;
    // The procedure takes ownership of the new window as it is created.
    const HWND created = CreateWindowExW(
        frame_ex_style, form_class(&FormWindow::procedure), to_wide(form.caption).c_str(), frame_style, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (created == nullptr || !frame_) throw Error(messages::internal_fault("CreateWindowExW"));
    try {
        const int dpi = window_dpi(handle());
        size_client_area(dpi);
        create_controls(dpi);
        order_for_tab_and_labels();
        keep_labels_beneath(controls_);
        run(Event::load, form.name);
    } catch (...) {
        DestroyWindow(handle());
        throw;
    }
}

// Destroyed while every member is still whole: the window's own messages
// on the way down still reach this object.
FormWindow::~FormWindow() {
    if (frame_) DestroyWindow(frame_.get());
}

void FormWindow::show(int show_command) {
    ShowWindow(handle(), show_command);
    UpdateWindow(handle());
    restore_focus();
}

HWND FormWindow::control_handle(std::string_view name) const {
    const auto found = std::ranges::find(controls_, name, [](const ChildControl* c) { return c->description().name; });
    return found == controls_.end() ? nullptr : (*found)->handle();
}

// Every message passes here; no exception may cross back into Windows.
LRESULT CALLBACK FormWindow::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    if (message == WM_NCCREATE) {
        auto* const created = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
        created->frame_.reset(window);
    }
    auto* const self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        static_cast<void>(self->frame_.release());  // Windows is destroying it already
        return DefWindowProcW(window, message, wparam, lparam);
    }
    try {
        return self->on_message(message, wparam, lparam);
    } catch (const std::exception& error) {
        show_error_box(window, self->project_.startup_form.caption, error.what());
    } catch (...) {
        show_error_box(window, self->project_.startup_form.caption, "?");
    }
    return 0;
}

LRESULT FormWindow::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND:
            on_command(wparam, lparam);
            return 0;
        case WM_CTLCOLORSTATIC:
            return on_ctl_color_static(wparam, lparam);
        case WM_ACTIVATE:
            return on_activate(wparam, lparam);
        case WM_SETFOCUS:
            restore_focus();
            return 0;
        case WM_DPICHANGED:
            on_dpi_changed(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
            return 0;
        case WM_DESTROY:
            on_destroy();
            return 0;
        default:
            return DefWindowProcW(handle(), message, wparam, lparam);
    }
}

void FormWindow::on_command(WPARAM wparam, LPARAM lparam) {
    switch (LOWORD(wparam)) {
        case IDOK:  // Enter, turned into IDOK by dialog navigation
            click_focused_button();
            return;
        case IDCANCEL:  // Escape: the form has no cancel button
            return;
        default:
            if (HIWORD(wparam) != BN_CLICKED) return;
            if (const ChildControl* control = control_for(reinterpret_cast<HWND>(lparam))) {
                run(Event::click, control->description().name);
            }
    }
}

LRESULT FormWindow::on_ctl_color_static(WPARAM wparam, LPARAM lparam) {
    const ChildControl* control = control_for(reinterpret_cast<HWND>(lparam));
    if (control == nullptr || control->description().back_colour == SystemColour::none) {
        return DefWindowProcW(handle(), WM_CTLCOLORSTATIC, wparam, lparam);
    }
    const int colour = system_colour_index(control->description().back_colour);
    SetBkColor(reinterpret_cast<HDC>(wparam), GetSysColor(colour));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(colour));
}

// Like a dialog, the form hands the focus back to the control that had it
// when it was last active; Windows alone would give it to the frame.
LRESULT FormWindow::on_activate(WPARAM wparam, LPARAM lparam) {
    const bool minimised = HIWORD(wparam) != 0;
    if (LOWORD(wparam) == WA_INACTIVE) {
        remember_focus();
    } else if (!minimised) {
        restore_focus();
        return 0;
    }
    return DefWindowProcW(handle(), WM_ACTIVATE, wparam, lparam);
}

void FormWindow::on_dpi_changed(int dpi, const RECT& suggested) {
    for (ChildControl* control : controls_) control->apply_dpi(dpi);
    keep_labels_beneath(controls_);
    SetWindowPos(handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Closing the form ends the program. The controls go first, while the
// frame they belong to still exists.
void FormWindow::on_destroy() {
    controls_.clear();
    remembered_focus_ = nullptr;
    form_.reset();
    PostQuitMessage(0);
}

void FormWindow::create_controls(int dpi) {
    const auto& descriptions = project_.startup_form.controls;
    std::vector<std::unique_ptr<Widget>> widgets;
    for (std::size_t i = 0; i < descriptions.size(); ++i) {
        auto control =
            std::make_unique<ChildControl>(handle(), descriptions[i], first_control_id + static_cast<int>(i), dpi);
        controls_.push_back(control.get());
        widgets.push_back(std::move(control));
    }
    form_ = std::make_unique<Form>(project_.startup_form, std::move(widgets));
}

// Dialog navigation follows the window order, so the controls are stacked
// by tab index; the focus starts at the first one that takes it. Each text
// box's label goes just before it, where screen readers look for its name.
void FormWindow::order_for_tab_and_labels() {
    std::vector<ChildControl*> by_tab_index = controls_;
    std::ranges::stable_sort(by_tab_index, {}, [](const ChildControl* c) { return c->description().tab_index; });
    HWND previous = HWND_TOP;
    for (const ChildControl* control : by_tab_index) {
        SetWindowPos(control->handle(), previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = control->handle();
    }
    for (const ChildControl* control : by_tab_index) {
        const HWND label = control_handle(control->description().labelled_by);
        if (label == nullptr) continue;
        const HWND before = GetWindow(control->handle(), GW_HWNDPREV);
        if (before == label) continue;
        SetWindowPos(label, before != nullptr ? before : HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    const auto takes_focus = [](const ChildControl* c) { return c->description().kind != ControlKind::label; };
    if (const auto first = std::ranges::find_if(by_tab_index, takes_focus); first != by_tab_index.end()) {
        remembered_focus_ = (*first)->handle();
    }
}

void FormWindow::size_client_area(int dpi) {
    const FormDescription& form = project_.startup_form;
    const SIZE client{to_pixels(form.client_width, dpi), to_pixels(form.client_height, dpi)};
    const SIZE outer = window_size_for_client(client, frame_style, frame_ex_style, dpi);
    SetWindowPos(handle(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::run(Event event, std::string_view object) {
    if (!form_) return;
    if (const auto error = run_handler(handler_for(project_, object, event), *form_)) show_error(*error);
}

// After OK the user is sent back to the box the error is about, with its
// text selected; other errors leave the focus where it was.
void FormWindow::show_error(const Error& error) {
    show_error_box(handle(), project_.startup_form.caption, error.what());
    if (!form_) return;  // the form was closed while the message showed
    const Control* input = form_->input_for(error.about());
    if (input == nullptr) return;
    remembered_focus_ = control_handle(input->description().name);
    SetFocus(remembered_focus_);
    SendMessageW(remembered_focus_, EM_SETSEL, 0, -1);
}

void FormWindow::click_focused_button() {
    const ChildControl* focused = control_for(GetFocus());
    if (focused != nullptr && focused->description().kind == ControlKind::push_button) {
        run(Event::click, focused->description().name);
    }
}

void FormWindow::remember_focus() {
    if (control_for(GetFocus()) != nullptr) remembered_focus_ = GetFocus();
}

void FormWindow::restore_focus() {
    if (control_for(remembered_focus_) != nullptr) SetFocus(remembered_focus_);
}

ChildControl* FormWindow::control_for(HWND window) const {
    if (window == nullptr) return nullptr;
    const auto found = std::ranges::find(controls_, window, &ChildControl::handle);
    return found == controls_.end() ? nullptr : *found;
}

}  // namespace runtime::win32
