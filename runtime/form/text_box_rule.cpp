#include "runtime/form/text_box_rule.h"

#include <algorithm>

namespace runtime {

Edit keep_first_line(std::u16string_view before, std::u16string_view after, std::size_t cursor) {
    constexpr std::u16string_view line_breaks = u"\r\n";
    cursor = std::min(cursor, after.size());
    // What follows the cursor was there before; the insertion starts where
    // the old text and the new part ways.
    const std::size_t kept_after = std::min(after.size() - cursor, before.size());
    const std::size_t limit = std::min(cursor, before.size() - kept_after);
    const std::size_t start = static_cast<std::size_t>(
        std::mismatch(before.begin(), before.begin() + static_cast<std::ptrdiff_t>(limit), after.begin()).first -
        before.begin());
    const std::size_t line_end = after.substr(start, cursor - start).find_first_of(line_breaks);
    if (line_end == std::u16string_view::npos) return {std::u16string(after), cursor};
    return {std::u16string(after.substr(0, start + line_end)) + std::u16string(after.substr(cursor)), start + line_end};
}

}  // namespace runtime
