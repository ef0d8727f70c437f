#pragma once

#include <map>
#include <optional>
#include <utility>

#include "runtime/form/toolkit.h"
#include "runtime/win32/owned_handles.h"

namespace runtime::win32 {

// The user's message font (what dialogs use) at `dpi`; at `points` when a
// size is given, else at the size the user chose.
OwnedFont message_font(int dpi, std::optional<float> points);

// The fonts a window's controls are drawn and measured in, each made once
// for its size and density. A control only borrows its font, so the
// window keeps them all until it goes.
class Fonts {
public:
    HFONT get(Font font, int dpi);

private:
    std::map<std::pair<std::optional<float>, int>, OwnedFont> made_;
};

}  // namespace runtime::win32
