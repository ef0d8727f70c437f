#pragma once

#include <QWidget>
#include <memory>

#include "runtime/form/toolkit.h"
#include "runtime/qt/form_keys.h"

namespace runtime::qt {

// One control as a Qt widget on `parent`, at `box`, holding `text`. It
// tells `events` when it is clicked or its menu is chosen from, and
// `keys` catches the keys the core decides on.
std::unique_ptr<runtime::Widget> make_control(const ControlStyle& style, Rect box, std::string_view text,
                                              QWidget& parent, WindowEvents& events, FormKeys& keys);

}  // namespace runtime::qt
