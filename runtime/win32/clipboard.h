#pragma once

#include <windows.h>

#include <string_view>

#include "runtime/function_ref.h"

namespace runtime::win32 {

// Puts `text` on the clipboard as Unicode text, on behalf of `owner`; does
// nothing if the clipboard cannot be opened or the memory had.
void put_on_clipboard(HWND owner, std::wstring_view text);

// Hands `read` the clipboard's Unicode text, to its first NUL, while the
// clipboard is open, on behalf of `owner`; does nothing if it holds none.
// Nothing is copied: a paste reads it without allocating.
void read_clipboard(HWND owner, FunctionRef<void(std::u16string_view text)> read);

}  // namespace runtime::win32
