#pragma once

#include <windows.h>

namespace runtime::win32 {

// Delivers one message, letting dialog navigation (Tab, Shift+Tab, Enter,
// Escape) act for `form` first.
void dispatch_message(HWND form, MSG& message);

// Runs until the quit message; returns its exit code.
int run_message_loop(HWND form);

}  // namespace runtime::win32
