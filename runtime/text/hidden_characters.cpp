#include "runtime/text/hidden_characters.h"

#include <array>
#include <cstdint>

namespace runtime {
namespace {

// The lengths of the runs of shown and hidden code points in turn, from 0,
// the first shown, made at build time from UnicodeData.txt by
// hidden_ranges.cmake, which tells how they are encoded.
constexpr auto runs = std::to_array<std::uint8_t>({
#include "hidden_ranges.inc"
});

}  // namespace

// A walk through the runs: a message quotes at most some forty characters,
// and the runs take a quarter of the space a table to search would.
bool is_hidden(char32_t code) {
    char32_t end = 0;
    bool hidden = false;
    for (std::size_t i = 0; i < runs.size(); hidden = !hidden) {
        char32_t length = runs[i++];
        if (length >= 0xC0) {
            length = (length & 0x3F) << 16 | char32_t{runs[i]} << 8 | runs[i + 1];
            i += 2;
        } else if (length >= 0x80) {
            length = (length & 0x3F) << 8 | runs[i++];
        }
        end += length;
        if (code < end) return hidden;
    }
    return true;  // past U+10FFFF: no character at all
}

}  // namespace runtime
