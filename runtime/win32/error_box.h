#pragma once

#include <windows.h>

#include <string_view>

namespace runtime::win32 {

// A modal error message with the form's title and an OK button. Never
// throws: it is the last resort for reporting a failure.
void show_error_box(HWND owner, std::string_view title, std::string_view message) noexcept;

}  // namespace runtime::win32
