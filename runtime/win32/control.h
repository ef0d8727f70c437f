#pragma once

#include <vector>

#include "runtime/form/toolkit.h"
#include "runtime/win32/owned_handles.h"

namespace runtime::win32 {

class Window;

// One control as a Windows child control (BUTTON, EDIT or STATIC). It owns
// its window; its font it borrows from the form's window.
class Control final : public runtime::Widget {
public:
    Control(Window& form, const ControlStyle& style, Rect box, std::string_view text, int id);
    ~Control() override;

    HWND handle() const { return window_.get(); }
    ControlKind kind() const { return kind_; }
    SystemColour back_colour() const { return back_colour_; }
    const std::vector<MenuItem>& menu() const { return menu_; }

    std::string text() const override;
    void set_text(std::string_view text) override;
    void set_font(Font font) override;
    void place(Rect box) override;
    void focus(bool select_all) override;
    void name_by(const runtime::Widget& label) override;
    void set_menu(std::vector<MenuItem> items) override { menu_ = std::move(items); }

private:
    Window& form_;
    ControlKind kind_;
    SystemColour back_colour_;
    std::vector<MenuItem> menu_;
    OwnedWindow window_;
};

}  // namespace runtime::win32
