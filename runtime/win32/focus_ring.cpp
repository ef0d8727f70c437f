#include "runtime/win32/focus_ring.h"

#include "runtime/win32/owned_handles.h"

namespace runtime::win32 {
namespace {

// Over the class's own border (a text box's client edge, a button's frame)
// and one pixel within: the border alone may hold shades close to `colour`.
void draw_ring(HWND control, int colour) {
    RECT ring{};
    GetWindowRect(control, &ring);
    OffsetRect(&ring, -ring.left, -ring.top);
    const WindowDC dc(control, WindowDC::Area::whole);
    const HBRUSH brush = GetSysColorBrush(colour);
    for (int drawn = 0; drawn <= GetSystemMetrics(SM_CXEDGE); ++drawn) {
        FrameRect(dc.get(), &ring, brush);
        InflateRect(&ring, -1, -1);
    }
}

}  // namespace

void follow_focus(HWND control, UINT message, int colour) {
    switch (message) {
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            // The class redraws what it shows for the focus, if anything;
            // the ring needs its border and client area both.
            RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
            return;
        case WM_NCPAINT:
        case WM_PAINT:
            if (GetFocus() == control) draw_ring(control, colour);
            return;
        default:
            return;
    }
}

}  // namespace runtime::win32
