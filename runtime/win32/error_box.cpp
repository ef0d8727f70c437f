#include "runtime/win32/error_box.h"

#include "runtime/win32/wide_text.h"

namespace runtime::win32 {

void show_error_box(HWND owner, std::string_view title, std::string_view message) noexcept {
    try {
        MessageBoxW(owner, to_wide(message).c_str(), to_wide(title).c_str(), MB_ICONERROR | MB_OK);
    } catch (...) {
        // Out of memory for the text itself: say at least that something failed.
        MessageBoxW(owner, L"?", nullptr, MB_ICONERROR | MB_OK);
    }
}

}  // namespace runtime::win32
