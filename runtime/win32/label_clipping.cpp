#include "runtime/win32/label_clipping.h"

namespace runtime::win32 {
namespace {

RECT rect_in_parent(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void clip_label(Control& label, std::span<Control* const> controls) {
    const RECT box = rect_in_parent(label.handle());
    OwnedRegion visible;
    for (const Control* other : controls) {
        RECT overlap{};
        const RECT other_box = rect_in_parent(other->handle());
        if (other->kind() == ControlKind::label || !IntersectRect(&overlap, &box, &other_box)) continue;
        if (!visible) visible.reset(CreateRectRgn(0, 0, box.right - box.left, box.bottom - box.top));
        OffsetRect(&overlap, -box.left, -box.top);
        const OwnedRegion covered(CreateRectRgnIndirect(&overlap));
        CombineRgn(visible.get(), visible.get(), covered.get(), RGN_DIFF);
    }
    // A label that overlaps nothing goes back to having no region at all.
    label.clip(std::move(visible));
}

}  // namespace

void keep_labels_beneath(Control& placed, std::span<Control* const> controls) {
    if (placed.kind() == ControlKind::label) {
        clip_label(placed, controls);
        return;
    }
    for (Control* control : controls) {
        if (control->kind() == ControlKind::label) clip_label(*control, controls);
    }
}

}  // namespace runtime::win32
