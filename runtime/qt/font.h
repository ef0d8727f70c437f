#pragma once

#include <QFont>

#include "runtime/form/toolkit.h"

namespace runtime::qt {

// The application's font at the size the core asks for, its own where the
// core names none, times the zoom. It sets only its size, so a control
// takes everything else from its window.
QFont qt_font(Font font);

}  // namespace runtime::qt
