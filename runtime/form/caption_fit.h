#pragma once

#include <string_view>
#include <vector>

#include "runtime/form/toolkit.h"
#include "runtime/function_ref.h"

// How a caption is set in a box of fixed size, the same for every toolkit.
namespace runtime {

using Measure = FunctionRef<Size(std::string_view text, Font font)>;

// The font a caption is drawn in, where its lines break and how far apart
// they stand. Its text stays as it is: the lines are only how it is drawn.
struct FittedCaption {
    Font font;
    std::vector<Line> lines;
    int line_height = 0;
    bool operator==(const FittedCaption&) const = default;
};

// Lines are broken at spaces. A caption that does not fit its box in its
// font is set in the largest smaller size, by half points down to 6, at
// which it does: smaller type can still be read, a cut caption cannot.
// With the toolkit's default font, whose size the runtime does not know,
// the caption is only broken into lines. A box one line high keeps the
// caption on one line, shrinking it to fit the width.
FittedCaption fit_caption(std::string_view caption, Font font, Size box, Measure measure);

}  // namespace runtime
