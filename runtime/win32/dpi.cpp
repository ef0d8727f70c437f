#include "runtime/win32/dpi.h"

#include <shellscalingapi.h>

#include <memory>
#include <type_traits>

namespace runtime::win32 {
namespace {

// A function that only newer Windows versions export, or null.
template <class Function>
Function optional_function(HMODULE module, const char* name) {
    const FARPROC found = module != nullptr ? GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

template <class Function>
Function optional_user32_function(const char* name) {
    return optional_function<Function>(GetModuleHandleW(L"user32.dll"), name);
}

struct LibraryFreer {
    void operator()(HMODULE module) const noexcept { FreeLibrary(module); }
};
using OwnedLibrary = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFreer>;

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, MONITOR_DPI_TYPE, UINT*, UINT*);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

}  // namespace

int system_dpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int monitor_dpi(HWND window) {
    // Loaded from the system folder only. Windows before 8 may not know the
    // flag and load nothing, which is right: shcore.dll came with 8.1.
    static const OwnedLibrary shcore(LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    static const auto get_dpi_for_monitor =
        optional_function<GetDpiForMonitorFunction>(shcore.get(), "GetDpiForMonitor");
    UINT dpi_x = 0;
    UINT dpi_y = 0;
    if (get_dpi_for_monitor == nullptr ||
        FAILED(get_dpi_for_monitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), MDT_EFFECTIVE_DPI, &dpi_x,
                                   &dpi_y))) {
        return 0;
    }
    return static_cast<int>(dpi_y);
}

int window_dpi(HWND window) {
    static const auto get_dpi_for_window = optional_user32_function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (get_dpi_for_window != nullptr) {
        if (const UINT dpi = get_dpi_for_window(window); dpi != 0) return static_cast<int>(dpi);
    }
    if (const int dpi = monitor_dpi(window); dpi != 0) return dpi;
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
