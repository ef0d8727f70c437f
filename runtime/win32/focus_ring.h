#pragma once

#include <windows.h>

namespace runtime::win32 {

// A focus the user can see. An EDIT shows it by its caret alone, and a
// button's dotted rectangle stays hidden until the keyboard is used; so,
// while a text box or button has the focus, its border and the pixel
// within are drawn in `colour`, the system colour of its own text, which
// every theme, high contrast included, sets apart from the field for
// reading. Only pixels change: no text, size or place. Called by the
// control's subclass with each message, once its class has handled it.
void follow_focus(HWND control, UINT message, int colour);

}  // namespace runtime::win32
