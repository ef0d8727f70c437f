#pragma once

#include <cstddef>
#include <string_view>

// What a one-line text box keeps, the same on every face, as a Windows box
// keeps it.
namespace runtime {

// The most a box holds, in UTF-16 units.
inline constexpr int text_box_capacity = 32767;

// Of text inserted into a box (typed, pasted, dropped), what the box keeps,
// in UTF-16 units as the boxes hold their text. A box holding `held` units,
// `replaced` of them selected and so replaced, keeps the first line of the
// insertion, as from a spreadsheet cell, whatever ends it (CR, LF or both),
// and of that as much as its capacity leaves room for, never half of a
// surrogate pair.
std::u16string_view kept_of_insertion(std::u16string_view inserted, std::size_t held, std::size_t replaced) noexcept;

}  // namespace runtime
