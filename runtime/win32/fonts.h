#pragma once

#include <map>
#include <optional>
#include <tuple>

#include "runtime/form/toolkit.h"
#include "runtime/win32/owned_handles.h"

namespace runtime::win32 {

// The fonts a window's controls are drawn and measured in: the user's
// message font (what dialogs use), each size made once for its scale and
// density. A control only borrows its font, so the window keeps them all
// until it goes.
class Fonts {
public:
    HFONT get(Font font, int dpi);

private:
    std::map<std::tuple<std::optional<float>, float, int>, OwnedFont> made_;
};

}  // namespace runtime::win32
