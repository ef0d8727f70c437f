#include "runtime/win32/dpi.h"

namespace runtime::win32 {
namespace {

// A user32 function that only newer Windows versions export, or null.
template <class Function>
Function optional_user32_function(const char* name) {
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

}  // namespace

int system_dpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int window_dpi(HWND window) {
    static const auto get_dpi_for_window = optional_user32_function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (get_dpi_for_window != nullptr) {
        if (const UINT dpi = get_dpi_for_window(window); dpi != 0) return static_cast<int>(dpi);
    }
    return system_dpi();
}

SIZE window_size_for_client(SIZE client, DWORD style, DWORD ex_style, int dpi) {
    static const auto adjust_for_dpi =
        optional_user32_function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, client.cx, client.cy};
    if (adjust_for_dpi != nullptr) {
        adjust_for_dpi(&frame, style, FALSE, ex_style, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&frame, style, FALSE, ex_style);
    }
    return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace runtime::win32
