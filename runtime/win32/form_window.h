#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "runtime/form.h"
#include "runtime/project.h"
#include "runtime/win32/child_control.h"
#include "runtime/win32/owned_handles.h"

namespace runtime::win32 {

// The start-up form as a top-level window: built from its description, its
// Load handler run, its controls' events delivered to their handlers.
// Closing it posts the quit message that ends the message loop.
class FormWindow {
public:
    explicit FormWindow(const ProjectDescription& project);
    ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    void show(int show_command);
    HWND handle() const { return frame_.get(); }
    HWND control_handle(std::string_view name) const;  // null when there is no such control

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept;
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam);
    void on_command(WPARAM wparam, LPARAM lparam);
    LRESULT on_ctl_color_static(WPARAM wparam, LPARAM lparam);
    LRESULT on_activate(WPARAM wparam, LPARAM lparam);
    void on_dpi_changed(int dpi, const RECT& suggested);
    void on_destroy();

    void create_controls(int dpi);
    void order_for_tab_and_labels();
    void size_client_area(int dpi);
    void run(Event event, std::string_view object);
    void show_error(const Error& error);
    void click_focused_button();
    void remember_focus();
    void restore_focus();
    ChildControl* control_for(HWND window) const;

    const ProjectDescription& project_;
    OwnedWindow frame_;
    std::unique_ptr<Form> form_;           // owns the controls
    std::vector<ChildControl*> controls_;  // the same controls, in creation order
    HWND remembered_focus_ = nullptr;      // given back on reactivation, as dialogs do
};

}  // namespace runtime::win32
