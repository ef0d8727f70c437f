#include "runtime/win32/message_loop.h"

#include "runtime/win32/window.h"

namespace runtime::win32 {

void dispatch_message(MSG& message) {
    const HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (Window* const form = Window::of(root);
        form != nullptr && (form->take_zoom_input(message) || IsDialogMessageW(root, &message))) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int run_message_loop() {
    MSG message{};
    while (const BOOL got = GetMessageW(&message, nullptr, 0, 0)) {
        if (got == -1) return 1;
        dispatch_message(message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace runtime::win32
