#pragma once

#include <QWidget>
#include <memory>

#include "runtime/form.h"
#include "runtime/form_description.h"

namespace runtime::qt {

// One control built from its description: the Qt widget, owned by the
// window it was placed on, and the handle the form model talks to.
struct BuiltControl {
    QWidget* widget;
    std::unique_ptr<runtime::Widget> handle;
};

// Creates the control on `window` at its stored place, with its stored
// text and settings. `client_width` is the window's designed width in
// pixels; a label reaching past it is cut there.
BuiltControl build_control(const ControlDescription& control, int client_width, QWidget& window);

// Twips to Qt's device-independent pixels; Qt scales those for the screen.
constexpr int to_device_independent_pixels(int twips) { return to_pixels(twips, 96); }

}  // namespace runtime::qt
