#pragma once

#include <cstddef>
#include <string_view>

namespace runtime {

// One UTF-8 sequence read from a text: its code point and length in bytes.
// Length 0 when the bytes there are not valid UTF-8 (overlong, a surrogate,
// beyond U+10FFFF, cut short or a stray continuation byte).
struct Utf8Sequence {
    char32_t code = 0;
    std::size_t length = 0;
};

Utf8Sequence decode_utf8(std::string_view text, std::size_t i);

}  // namespace runtime
