#include "runtime/qt/font.h"

namespace runtime::qt {

// A desktop may give the application's font in pixels rather than points;
// it is scaled in what it is given in.
QFont qt_font(Font font) {
    QFont made;
    if (font.points) {
        made.setPointSizeF(*font.points * font.scale);
    } else if (font.scale != 1) {
        if (made.pointSizeF() > 0) {
            made.setPointSizeF(made.pointSizeF() * font.scale);
        } else {
            made.setPixelSize(qRound(static_cast<float>(made.pixelSize()) * font.scale));
        }
    }
    return made;
}

}  // namespace runtime::qt
