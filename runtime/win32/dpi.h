#pragma once

#include <windows.h>

// Dots per inch of a window, and window metrics at that density. Newer
// Windows knows a DPI per monitor; older ones have one for the whole system.
namespace runtime::win32 {

int system_dpi();
int window_dpi(HWND window);

// The outer size of a window whose client area is `client`, at `dpi`.
SIZE window_size_for_client(SIZE client, DWORD style, DWORD ex_style, int dpi);

}  // namespace runtime::win32
