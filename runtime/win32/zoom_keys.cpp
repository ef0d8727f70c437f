#include "runtime/win32/zoom_keys.h"

namespace runtime::win32 {

std::optional<Zoom> zoom_key(const MSG& message) noexcept {
    if (message.message != WM_KEYDOWN || GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0) return {};
    switch (message.wParam) {
        case VK_OEM_PLUS:
        case VK_ADD:
            return Zoom::in;
        case VK_OEM_MINUS:
        case VK_SUBTRACT:
            return Zoom::out;
        case '0':
        case VK_NUMPAD0:
            return Zoom::reset;
        default:
            return {};
    }
}

}  // namespace runtime::win32
