#include "runtime/quote.h"

#include <cstddef>

#include "runtime/utf8.h"

namespace runtime {
namespace {

constexpr std::size_t excerpt_limit = 40;
constexpr std::string_view replacement = "\xEF\xBF\xBD";  // U+FFFD
constexpr std::string_view ellipsis = "\xE2\x80\xA6";     // U+2026

// Control characters and bidirectional overrides would garble or reorder
// the message box text around the quote.
bool is_unsafe(char32_t code) {
    return code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0x200E || code == 0x200F ||
           (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
}

}  // namespace

std::string quoted_excerpt(std::string_view text) {
    std::string out;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++characters) {
        if (characters == excerpt_limit) return out + std::string(ellipsis);
        const Utf8Sequence sequence = decode_utf8(text, i);
        if (sequence.length == 0 || is_unsafe(sequence.code)) {
            out += replacement;
        } else {
            out += text.substr(i, sequence.length);
        }
        i += sequence.length == 0 ? 1 : sequence.length;
    }
    return out;
}

}  // namespace runtime
