#include <windows.h>

#include <commctrl.h>

#include <cstddef>

#include "resources/windows/resource_ids.h"

// The floor tenglama.exe's start-up is held to: its window as a programmer
// would write it by hand in plain Win32 calls, built with the same
// compiler, flags, static runtime and resources (icon, manifest). The same
// title, client size and eight controls at their places at 96 dpi, in the
// dialog font at its own size, 10 and 15 points, the focus in the first box,
// Tab moving through them in the same order. What the program does beyond
// that (its form built from a description, captions fitted to their boxes,
// labels drawn by the program, the focus ring, Enter and the zoom's keys,
// context menus, density changes) it leaves out.
namespace {

constexpr DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
HWND band = nullptr;     // Label1, on the inactive border's colour
HWND focused = nullptr;  // the first box, which the window hands its focus to

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lparam) == band) {
        SetBkColor(reinterpret_cast<HDC>(wparam), GetSysColor(COLOR_INACTIVEBORDER));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_INACTIVEBORDER));
    }
    if (message == WM_SETFOCUS) {
        SetFocus(focused);
        return 0;
    }
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, wparam, lparam);
}

// The dialog font, at its own size or at `points`.
HFONT dialog_font(int points, int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = static_cast<UINT>(offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth));
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    if (points > 0) metrics.lfMessageFont.lfHeight = -MulDiv(points, dpi, 72);
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

struct Box {
    int left, top, width, height;
};

HWND child(const wchar_t* kind, const wchar_t* text, DWORD kind_style, DWORD ex_style, Box box, HWND parent,
           HFONT font) {
    const HWND made = CreateWindowExW(ex_style, kind, text, WS_CHILD | WS_VISIBLE | kind_style, box.left, box.top,
                                      box.width, box.height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return made;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    WNDCLASSW form{};
    form.lpfnWndProc = procedure;
    form.hInstance = instance;
    form.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(TENGLAMA_ICON));
    form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    form.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    form.lpszClassName = L"Form1";
    RegisterClassW(&form);
    RECT outer{0, 0, 507, 314};
    AdjustWindowRect(&outer, style, FALSE);
    const HWND window =
        CreateWindowW(L"Form1", L" ax=b ko'rinishdagi tenglamalarni yechish", style, CW_USEDEFAULT, CW_USEDEFAULT,
                      outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 1;
    const HDC screen = GetDC(window);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    const HFONT normal = dialog_font(0, dpi);
    const HFONT small = dialog_font(10, dpi);
    const HFONT large = dialog_font(15, dpi);

    // Made in tab order, which dialog navigation follows.
    band = child(L"STATIC", L"Birinchi darajali bir noma'lumli tenglamalarni yechish", SS_LEFT, 0, {48, 8, 496, 29},
                 window, large);
    child(L"STATIC", L"Tenglamaning ko'rinishi  ax=b, yechimi x=b/a", SS_CENTER, 0, {80, 40, 393, 33}, window, large);
    child(L"STATIC", L"a - ning qiymati", SS_LEFT, 0, {144, 88, 81, 33}, window, small);
    child(L"STATIC", L"b- ning qiymati", SS_LEFT, 0, {144, 136, 81, 33}, window, small);
    focused = child(L"EDIT", L"", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, {224, 88, 113, 25}, window, normal);
    child(L"EDIT", L"", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, {224, 136, 113, 25}, window, normal);
    child(L"BUTTON", L"Natija", BS_PUSHBUTTON | WS_TABSTOP, 0, {136, 256, 129, 33}, window, normal);
    // Javob, as large as its text.
    SIZE javob{};
    const HGDIOBJ was = SelectObject(screen, large);
    GetTextExtentPoint32W(screen, L"Javob", 5, &javob);
    SelectObject(screen, was);
    ReleaseDC(window, screen);
    child(L"STATIC", L"Javob", SS_LEFT, 0, {24, 184, javob.cx, javob.cy}, window, large);

    ShowWindow(window, show);
    UpdateWindow(window);
    SetFocus(focused);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DeleteObject(normal);
    DeleteObject(small);
    DeleteObject(large);
    return static_cast<int>(message.wParam);
}
