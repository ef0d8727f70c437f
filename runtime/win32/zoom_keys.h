#pragma once

#include <windows.h>

#include <optional>

#include "runtime/form/toolkit.h"

namespace runtime::win32 {

// The zoom a key press from the queue asks for, if any: with Ctrl, plus or
// = (one key, with Shift or without) and the keypad's plus zoom in, minus
// and the keypad's minus zoom out, 0 and the keypad's 0 go back to the
// stored size. Not with Alt as well: Ctrl and Alt together are AltGr,
// which types characters on many layouts (} is AltGr+0 on German ones).
std::optional<Zoom> zoom_key(const MSG& message) noexcept;

}  // namespace runtime::win32
