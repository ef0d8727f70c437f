#pragma once

#include <optional>

#include "runtime/win32/owned_handles.h"

namespace runtime::win32 {

// The user's message font (what dialogs use) at `dpi`; at `points` when a
// size is given, else at the size the user chose.
OwnedFont message_font(int dpi, std::optional<float> points);

}  // namespace runtime::win32
