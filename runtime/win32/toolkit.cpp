#include <windows.h>

#include <commctrl.h>

#include "runtime/win32/clipboard.h"
#include "runtime/win32/error_box.h"
#include "runtime/win32/message_loop.h"
#include "runtime/win32/wide_text.h"
#include "runtime/win32/window.h"

namespace runtime {
namespace {

class Win32Toolkit final : public Toolkit {
public:
    explicit Win32Toolkit(std::string_view program_name) {
        // The manifest asks for version 6 of the common controls (visual styles).
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&classes);
        win32::Window::register_class(program_name);
    }

    std::unique_ptr<Window> make_window(std::string_view caption, WindowEvents& events) override {
        return std::make_unique<win32::Window>(caption, events);
    }

    void show_error(std::string_view title, std::string_view message) override {
        win32::show_error_box(nullptr, title, message);
    }

    int run() override { return win32::run_message_loop(); }
    void quit() override { PostQuitMessage(0); }

    void copy(std::string_view text) override { win32::put_on_clipboard(win32::to_wide(text)); }
};

}  // namespace

std::unique_ptr<Toolkit> open_toolkit(std::string_view program_name) {
    return std::make_unique<Win32Toolkit>(program_name);
}

}  // namespace runtime
