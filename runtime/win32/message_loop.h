#pragma once

#include <windows.h>

namespace runtime::win32 {

// Delivers one message, letting the form it is meant for take it first:
// its zoom keys and wheel, then dialog navigation (Tab, Shift+Tab, Enter,
// Escape).
void dispatch_message(MSG& message);

// Runs until the quit message; returns its exit code.
int run_message_loop();

}  // namespace runtime::win32
