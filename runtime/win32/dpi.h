#pragma once

#include <windows.h>

// Dots per inch of a window, and window metrics at that density. Windows
// knows a DPI per window from 10 1607 on and one per monitor from 8.1 on;
// older ones have one for the whole system.
namespace runtime::win32 {

int system_dpi();
// The DPI of the monitor `window` is on, or 0 before Windows 8.1.
int monitor_dpi(HWND window);
int window_dpi(HWND window);

// The outer size of a window whose client area is `client`, at `dpi`.
SIZE window_size_for_client(SIZE client, DWORD style, DWORD ex_style, int dpi);

}  // namespace runtime::win32
