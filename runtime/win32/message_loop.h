#pragma once

#include <windows.h>

namespace runtime::win32 {

// Delivers one message, letting dialog navigation (Tab, Shift+Tab, Enter,
// Escape) act for the form it is meant for first.
void dispatch_message(MSG& message);

// Runs until the quit message; returns its exit code.
int run_message_loop();

}  // namespace runtime::win32
