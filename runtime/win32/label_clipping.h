#pragma once

#include <span>

#include "runtime/win32/control.h"

namespace runtime::win32 {

// Labels lie beneath every other control, as if drawn on the form itself:
// where a label's box overlaps a text box or button, the label is clipped.
// Called for a control just made or placed: a label is clipped anew, a box
// or button clips every label again.
void keep_labels_beneath(Control& placed, std::span<Control* const> controls);

}  // namespace runtime::win32
