#include "runtime/start.h"

#include <windows.h>

#include <commctrl.h>

#include <exception>

#include "runtime/win32/error_box.h"
#include "runtime/win32/form_window.h"
#include "runtime/win32/message_loop.h"

namespace runtime {

int start(const ProjectDescription& project) {
    try {
        // The manifest asks for version 6 of the common controls (visual styles).
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&classes);
        win32::FormWindow form(project);
        form.show(SW_SHOWDEFAULT);
        return win32::run_message_loop(form.handle());
    } catch (const std::exception& error) {
        win32::show_error_box(nullptr, project.startup_form.caption, error.what());
        return 1;
    }
}

}  // namespace runtime
