#include "runtime/qt/focus_ring.h"

#include <QPainter>
#include <QRegion>

namespace runtime::qt {

// The text's colour is the one every palette, light or dark, sets apart
// from the control's face and frame; the highlight colour is not (a dark
// palette's blue highlight on its grey button stands out by barely 2:1).
// The text starts four pixels in, clear of the ring.
void draw_focus_ring(QWidget& control) {
    if (!control.hasFocus()) return;
    constexpr int width = 2;
    const QRect edge = control.rect();
    QPainter painter(&control);
    painter.setClipRegion(QRegion(edge).subtracted(QRegion(edge.adjusted(width, width, -width, -width))));
    painter.fillRect(edge, control.palette().color(control.foregroundRole()));
}

}  // namespace runtime::qt
