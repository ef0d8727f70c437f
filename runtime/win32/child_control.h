#pragma once

#include <optional>

#include "runtime/form.h"
#include "runtime/win32/owned_handles.h"

namespace runtime::win32 {

// One described control as a Windows child control (BUTTON, EDIT or
// STATIC). It owns its window and its font, and lays itself out from the
// description's twips at the window's DPI.
class ChildControl final : public Widget {
public:
    ChildControl(HWND parent, const ControlDescription& description, int id, int dpi);

    HWND handle() const { return window_.get(); }
    const ControlDescription& description() const { return description_; }

    // Places and sizes the control and makes its font for `dpi`.
    void apply_dpi(int dpi);

    std::string text() const override;
    void set_text(std::string_view text) override;
    void set_font_size(float points) override;

private:
    void use_font(OwnedFont font);
    void fit_to_caption();

    const ControlDescription& description_;
    int dpi_;
    std::optional<float> points_;  // none: the message font's own size
    OwnedFont font_;               // outlives the window that draws with it
    OwnedWindow window_;
};

}  // namespace runtime::win32
