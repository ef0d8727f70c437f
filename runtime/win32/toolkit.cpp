#include <windows.h>

#include <commctrl.h>

#include "runtime/win32/error_box.h"
#include "runtime/win32/message_loop.h"
#include "runtime/win32/owned_handles.h"
#include "runtime/win32/wide_text.h"
#include "runtime/win32/window.h"

namespace runtime {
namespace {

class Win32Toolkit final : public Toolkit {
public:
    explicit Win32Toolkit(std::string_view program_name) : class_name_(win32::to_wide(program_name) + L".Form") {
        // The manifest asks for version 6 of the common controls (visual styles).
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&classes);
    }

    // The class is registered with the first window, so that a failure is
    // raised where the core reports it, in a box, as any other.
    std::unique_ptr<Window> make_window(std::string_view caption, WindowEvents& events) override {
        if (form_class_.get() == 0) form_class_.reset(win32::Window::register_class(class_name_));
        return std::make_unique<win32::Window>(form_class_.get(), caption, events);
    }

    void show_error(std::string_view title, std::string_view message) override {
        win32::show_error_box(nullptr, title, message);
    }

    int run() override { return win32::run_message_loop(); }
    void quit() override { PostQuitMessage(0); }

private:
    std::wstring class_name_;
    win32::RegisteredClass form_class_;
};

}  // namespace

std::unique_ptr<Toolkit> open_toolkit(std::string_view program_name) {
    return std::make_unique<Win32Toolkit>(program_name);
}

}  // namespace runtime
