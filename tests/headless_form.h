#pragma once

// A project's start-up form on the runtime's headless toolkit, shown: the
// form and all its behaviour run, and are checked, with no display.

#include <cmath>

#include "runtime/form/form.h"
#include "runtime/headless/toolkit.h"

// Every character is half an em wide; a line is 1.25 em high.
inline runtime::Size half_em_metrics(std::string_view text, float points, int dpi) {
    const double em = static_cast<double>(points) * dpi / 72.0;
    std::size_t characters = 0;
    for (char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return {static_cast<int>(std::ceil(static_cast<double>(characters) * em / 2)),
            static_cast<int>(std::ceil(em * 1.25))};
}

struct HeadlessForm {
    explicit HeadlessForm(const runtime::ProjectDescription& project) : form(project, toolkit) { form.show(); }

    runtime::headless::Window& window() const { return *toolkit.window; }
    runtime::headless::Widget& widget(std::string_view name) const { return window().widget(name); }
    runtime::WindowEvents& events() const { return window().events; }
    // As the toolkit reports a press of the button.
    void click(std::string_view name) const { events().clicked(widget(name)); }
    // As the user or the window manager would size the window.
    void user_resizes(runtime::Size size, bool system = false) const {
        window().client = size;
        window().maximised = system;
        events().resized(window().placement());
    }
    void moves_to_dpi(int dpi) const {
        window().dots_per_inch = dpi;
        events().dpi_changed(dpi);
    }

    runtime::headless::Toolkit toolkit{half_em_metrics};
    runtime::Form form;
};
