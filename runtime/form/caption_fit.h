#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "runtime/form/toolkit.h"

// Where controls go and how captions are set in their boxes, the same for
// every toolkit.
namespace runtime {

constexpr int twips_per_inch = 1440;

// Twips to pixels at `dpi`, rounded to the nearest pixel as Windows scales
// (15 twips a pixel at 96 dpi).
constexpr int to_pixels(int twips, int dpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>((scaled + (scaled < 0 ? -twips_per_inch : twips_per_inch) / 2) / twips_per_inch);
}

using Measure = std::function<Size(std::string_view text, Font font)>;

// A caption as a box of fixed size shows it: the font it is drawn in, and
// its text with a line break wherever a line ends.
struct FittedCaption {
    Font font;
    std::string text;
    bool operator==(const FittedCaption&) const = default;
};

// Lines are broken at spaces, as every toolkit breaks them. A caption that
// does not fit its box in its font is set in the largest smaller size, by
// half points down to 6, at which it does: smaller type can still be read,
// a cut caption cannot. With the toolkit's default font, whose size the
// runtime does not know, the caption is only broken into lines.
FittedCaption fit_caption(std::string_view caption, Font font, Size box, const Measure& measure);

}  // namespace runtime
