#pragma once

#include "runtime/form/description.h"

namespace window {

// The main window as stored: its settings and its eight controls in
// creation order, in twips.
extern const runtime::FormDescription form1;

}  // namespace window
