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

}  // namespace

OwnedFont message_font(int dpi, std::optional<float> points) {
    LOGFONTW font = system_message_font();
    font.lfWidth = 0;
    font.lfHeight =
        points ? -std::lround(*points * static_cast<float>(dpi) / 72.0f) : MulDiv(font.lfHeight, dpi, system_dpi());
    OwnedFont made(CreateFontIndirectW(&font));
    if (!made) throw Error(messages::internal_fault("CreateFontIndirectW"));
    return made;
}

HFONT Fonts::get(Font font, int dpi) {
    OwnedFont& made = made_[{font.points, dpi}];
    if (!made) made = message_font(dpi, font.points);
    return made.get();
}

}  // namespace runtime::win32
