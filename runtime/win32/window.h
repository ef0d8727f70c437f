#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "runtime/form/toolkit.h"
#include "runtime/win32/fonts.h"
#include "runtime/win32/owned_handles.h"

namespace runtime::win32 {

class Control;

// The form as a top-level window. Its window procedure stores the object
// on creation and hands each message it handles to a small On... member,
// which reports to the core. Nothing on that path may throw: an exception
// would end the program on its way back into Windows.
class Window final : public runtime::Window {
public:
    // Raises runtime::Error when the window cannot be made.
    Window(ATOM form_class, std::string_view caption, WindowEvents& events);
    ~Window() override;

    // Registers the window class of forms, named after the program; raises
    // runtime::Error when it cannot.
    static ATOM register_class(const std::wstring& name);
    // The live form `window` is, or null.
    static Window* of(HWND window);

    HWND handle() const { return frame_.get(); }
    // A control's ID is its place in the order made, the tab order, from
    // here: above IDOK and IDCANCEL, which dialog navigation sends for
    // Enter and Escape.
    static constexpr int first_control_id = 100;

    std::unique_ptr<runtime::Widget> make(const ControlStyle& style, Rect pixels, std::string_view text) override;
    int dpi() const override { return dpi_; }
    Size measure(std::string_view text, Font font) const override;
    Placement placement() const noexcept override;
    void set_client_size(Size client) override;
    void set_minimum_client_size(Size minimum) override { minimum_ = minimum; }
    void shift(int left, int up) override;
    void show() override;
    bool show_error(std::string_view message) override;
    void copy(std::string_view text) override;

    // For the message loop: the zoom keys, and Ctrl with the wheel, are the
    // form's whatever control has the focus, taken before a key can become
    // a character. True where `message` was one of them, and is done with.
    bool take_zoom_input(const MSG& message) noexcept;

    // For its controls.
    void add(Control& control) { controls_.push_back(&control); }
    void remove(const Control& control);
    HFONT font(Font font) const { return fonts_.get(font, dpi_); }
    void remember_focus(HWND control) { remembered_focus_ = control; }
    void placed(Control& control) const;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept;
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) noexcept;
    void on_command(WPARAM wparam, LPARAM lparam) noexcept;
    void on_draw_item(const DRAWITEMSTRUCT& item) const noexcept;
    LRESULT on_activate(WPARAM wparam, LPARAM lparam) noexcept;
    void on_size(WPARAM kind) noexcept;
    void on_dpi_changed(int dpi, const RECT& suggested) noexcept;
    void on_get_min_max_info(MINMAXINFO& limits) const noexcept;
    void on_window_pos_changing(const WINDOWPOS& position) noexcept;
    void on_restore_least_size() noexcept;
    void on_context_menu(HWND clicked, POINT at) noexcept;

    Control* control_for(HWND window) const noexcept;
    SIZE outer_size(Size client) const noexcept;

    std::string caption_;
    WindowEvents& events_;
    mutable Fonts fonts_;  // outlives the controls that draw with them
    OwnedWindow frame_;
    // Between the end of construction and the start of destruction: only
    // then do messages reach the handlers, and through them the core.
    bool live_ = false;
    std::vector<Control*> controls_;  // made by make(), owned by the runtime, in the order made
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    Size minimum_;
    bool restore_posted_ = false;      // the least size is to be set again
    HWND remembered_focus_ = nullptr;  // given back on reactivation, as dialogs do
    int wheel_ = 0;                    // turned with Ctrl, short of a notch
};

}  // namespace runtime::win32
