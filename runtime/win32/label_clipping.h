#pragma once

#include <span>

#include "runtime/win32/child_control.h"

namespace runtime::win32 {

// Labels lie beneath every other control, as if drawn on the form itself:
// where a label's box overlaps a text box or button, the label is clipped.
void keep_labels_beneath(std::span<ChildControl* const> controls);

}  // namespace runtime::win32
