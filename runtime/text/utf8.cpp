#include "runtime/text/utf8.h"

#include <cstdint>

namespace runtime {

Utf8Sequence decode_utf8(std::string_view text, std::size_t i) {
    const auto lead = static_cast<std::uint8_t>(text[i]);
    if (lead < 0x80) return {lead, 1, true};
    std::size_t length = 0;
    char32_t code = 0;
    // The second byte's range shuts out overlong forms and code points past
    // U+10FFFF; after it any continuation byte will do.
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0Fu;
        if (lead == 0xE0) low = 0xA0;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07u;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return {0, 1, false};
    }
    for (std::size_t k = 1; k < length; ++k) {
        if (i + k == text.size()) return {0, k, false};
        const auto next = static_cast<std::uint8_t>(text[i + k]);
        if (next < low || next > high) return {0, k, false};
        low = 0x80, high = 0xBF;
        code = (code << 6) | (next & 0x3Fu);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return {code, length, !surrogate};
}

}  // namespace runtime
