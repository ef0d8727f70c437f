#pragma once

#include <string>
#include <vector>

#include "runtime/form/toolkit.h"
#include "runtime/win32/owned_handles.h"

namespace runtime::win32 {

class Window;

// One control as a Windows child control (BUTTON, EDIT or STATIC). It owns
// its window; its font it borrows from the form's window. A label draws
// its own lines, as the core broke them, while its window text stays the
// caption that screen readers read. A text box keeps of a paste what the
// core's rule keeps. A text box or button that has the focus shows it
// plainly (focus_ring.h). What it draws and offers is converted when it is
// set: drawing and the menu, from the window procedure, allocate nothing.
class Control final : public runtime::Widget {
public:
    Control(Window& form, const ControlStyle& style, Rect box, std::string_view text, int id);
    ~Control() override;

    HWND handle() const { return window_.get(); }
    ControlKind kind() const { return kind_; }
    const std::vector<std::wstring>& menu() const { return menu_; }

    std::string text() const override;
    void set_caption(const Caption& caption) override;
    void set_font(Font font) override;
    void place(Rect box) override;
    void focus(bool select_all) override;
    void name_by(const runtime::Widget& label) override;
    void set_menu(std::span<const std::string_view> items) override;

    // Labels, for the form's WM_DRAWITEM.
    void draw(const DRAWITEMSTRUCT& item) const noexcept;
    // Labels: shows only `visible`, in the label's own pixels, or the whole
    // label where it is null.
    void clip(OwnedRegion visible);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept;
    void on_paste() const noexcept;

    Window& form_;
    ControlKind kind_;
    bool centred_;
    SystemColour back_colour_;
    std::vector<std::wstring> lines_;  // labels: each line as drawn
    int line_height_ = 0;              // labels: from the top of one line to the next
    HFONT font_ = nullptr;
    OwnedRegion clip_;  // labels: a copy of the window region, where one is set
    std::vector<std::wstring> menu_;
    WNDPROC class_procedure_ = nullptr;  // text boxes and buttons: their class's own
    OwnedWindow window_;
};

}  // namespace runtime::win32
