#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// What a one-line text box keeps, the same on every face, as a Windows box
// keeps it.
namespace runtime {

// The most a box holds, in UTF-16 units.
inline constexpr int text_box_capacity = 32767;

// In UTF-16 units, as the boxes that need this rule hold their text.
struct Edit {
    std::u16string text;
    std::size_t cursor;  // a unit offset into text
};

// A box held `before`; an insertion (typed, pasted or dropped) made it
// `after`, with the cursor just after the inserted text. Of inserted text
// with line breaks, as from a spreadsheet cell, the box keeps the first line.
Edit keep_first_line(std::u16string_view before, std::u16string_view after, std::size_t cursor);

}  // namespace runtime
