#pragma once

#include <QWidget>

namespace runtime::qt {

// Over what the style drew, a ring two pixels wide around the inside of
// the control's edge while it has the focus, in the colour of its text:
// the style's own sign of focus is a faint tint of the frame. Text and
// geometry stay as they are.
void draw_focus_ring(QWidget& control);

}  // namespace runtime::qt
