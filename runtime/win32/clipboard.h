#pragma once

#include <string_view>

namespace runtime::win32 {

// Puts `text` on the clipboard as Unicode text; does nothing if the
// clipboard cannot be opened.
void put_on_clipboard(std::wstring_view text);

}  // namespace runtime::win32
