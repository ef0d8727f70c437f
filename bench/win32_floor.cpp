#include <windows.h>

// The floor tenglama.exe's start-up is measured against: the least a Win32
// program can show, a top-level window with one STATIC label, as large as
// Form1 and built with the same compiler, flags and static runtime.
namespace {

constexpr DWORD style = WS_OVERLAPPEDWINDOW;

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    WNDCLASSW floor{};
    floor.lpfnWndProc = procedure;
    floor.hInstance = instance;
    floor.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    floor.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    floor.lpszClassName = L"Floor";
    RegisterClassW(&floor);
    RECT outer{0, 0, 507, 314};
    AdjustWindowRect(&outer, style, FALSE);
    const HWND window = CreateWindowW(L"Floor", L"Floor", style, CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                                      outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);
    if (window == nullptr || CreateWindowW(L"STATIC", L"Javob", WS_CHILD | WS_VISIBLE, 24, 184, 100, 20, window,
                                           nullptr, instance, nullptr) == nullptr) {
        return 1;
    }
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
