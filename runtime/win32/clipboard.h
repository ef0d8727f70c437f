#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace runtime::win32 {

// Puts `text` on the clipboard as Unicode text, on behalf of `owner`; does
// nothing if the clipboard cannot be opened or the memory had.
void put_on_clipboard(HWND owner, std::wstring_view text);

// The clipboard's Unicode text, to its first NUL, or none.
std::optional<std::wstring> text_on_clipboard(HWND owner);

}  // namespace runtime::win32
