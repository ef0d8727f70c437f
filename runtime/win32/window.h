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
// on creation and hands each message it handles to a small On... member;
// no exception leaves it.
class Window final : public runtime::Window {
public:
    Window(std::string_view caption, WindowEvents& events);
    ~Window() override;

    // Registers the window class of forms, named after the program, once.
    static void register_class(std::string_view program_name);
    static bool is_form(HWND window);

    HWND handle() const { return frame_.get(); }

    std::unique_ptr<runtime::Widget> make(const ControlStyle& style, Rect pixels, std::string_view text) override;
    int dpi() const override { return dpi_; }
    Size measure(std::string_view text, Font font) const override;
    void set_client_size(Size client, Size minimum) override;
    int widest_client() const override;
    void show() override;
    void show_error(std::string_view message, std::function<void()> closed) override;

    // For its controls.
    void add(Control& control) { controls_.push_back(&control); }
    void remove(const Control& control);
    HFONT font(Font font) const { return fonts_.get(font, dpi_); }
    void remember_focus(HWND control) { remembered_focus_ = control; }
    void placed(const Control& control) const;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept;
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam);
    void on_command(WPARAM wparam, LPARAM lparam);
    LRESULT on_ctl_color_static(WPARAM wparam, LPARAM lparam);
    LRESULT on_activate(WPARAM wparam, LPARAM lparam);
    void on_dpi_changed(int dpi, const RECT& suggested);
    void on_get_min_max_info(MINMAXINFO& limits) const;
    void on_context_menu(HWND clicked, POINT at);

    Control* control_for(HWND window) const;
    SIZE outer_size(Size client) const;

    std::string caption_;
    WindowEvents& events_;
    mutable Fonts fonts_;  // outlives the controls that draw with them
    OwnedWindow frame_;
    std::vector<Control*> controls_;  // made by make(), owned by the runtime, in the order made
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    Size minimum_;
    HWND remembered_focus_ = nullptr;  // given back on reactivation, as dialogs do
};

}  // namespace runtime::win32
