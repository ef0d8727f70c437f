#include "runtime/text/hidden_characters.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace runtime {
namespace {

struct Range {
    char32_t first;
    char32_t last;
};

// Sorted and apart, made at build time from UnicodeData.txt by
// hidden_ranges.cmake.
constexpr auto hidden = std::to_array<Range>({
#include "hidden_ranges.inc"
});

}  // namespace

bool is_hidden(char32_t code) {
    const auto after = std::upper_bound(hidden.begin(), hidden.end(), code,
                                        [](char32_t c, const Range& range) { return c < range.first; });
    if (after == hidden.begin()) return false;
    const Range& range = *std::prev(after);
    return code <= range.last;
}

}  // namespace runtime
