#include "runtime/win32/message_loop.h"

namespace runtime::win32 {

void dispatch_message(HWND form, MSG& message) {
    if (IsWindow(form) && IsDialogMessageW(form, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int run_message_loop(HWND form) {
    MSG message{};
    while (const BOOL got = GetMessageW(&message, nullptr, 0, 0)) {
        if (got == -1) return 1;
        dispatch_message(form, message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace runtime::win32
