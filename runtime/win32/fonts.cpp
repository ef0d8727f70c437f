#include "runtime/win32/fonts.h"

#include <cmath>
#include <cstddef>

#include "runtime/error.h"
#include "runtime/messages.h"
#include "runtime/win32/dpi.h"

namespace runtime::win32 {
namespace {

// Windows reports the message font at the system DPI. The metrics are asked
// for without the border padding Vista added to them: XP refuses the larger
// size, and every later Windows still takes the smaller one.
LOGFONTW system_message_font() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = static_cast<UINT>(offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth));
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return metrics.lfMessageFont;
    LOGFONTW fallback{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof fallback, &fallback);
    return fallback;
}

// The message font at `dpi`, at `font.points` or else at the size the user
// chose, either `font.scale` times as large.
OwnedFont message_font(Font font, int dpi) {
    LOGFONTW made_as = system_message_font();
    made_as.lfWidth = 0;
    const double pixels = font.points ? -static_cast<double>(*font.points) * dpi / 72.0
                                      : static_cast<double>(made_as.lfHeight) * dpi / system_dpi();
    made_as.lfHeight = std::lround(pixels * font.scale);
    OwnedFont made(CreateFontIndirectW(&made_as));
    if (!made) throw Error(messages::internal_fault("CreateFontIndirectW"));
    return made;
}

}  // namespace

HFONT Fonts::get(Font font, int dpi) {
    OwnedFont& made = made_[{font.points, font.scale, dpi}];
    if (!made) made = message_font(font, dpi);
    return made.get();
}

}  // namespace runtime::win32
