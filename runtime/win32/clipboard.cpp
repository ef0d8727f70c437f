#include "runtime/win32/clipboard.h"

#include <windows.h>

#include <algorithm>

namespace runtime::win32 {

void put_on_clipboard(std::wstring_view text) {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t))) {
        auto* const copied = static_cast<wchar_t*>(GlobalLock(memory));
        *std::ranges::copy(text, copied).out = L'\0';
        GlobalUnlock(memory);
        // The clipboard owns the memory only once SetClipboardData succeeds.
        // cppcheck-suppress doubleFree
        if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) GlobalFree(memory);
    }
    CloseClipboard();
}

}  // namespace runtime::win32
