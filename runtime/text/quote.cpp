#include "runtime/text/quote.h"

#include <cstddef>

#include "runtime/text/hidden_characters.h"
#include "runtime/text/utf8.h"

namespace runtime {
namespace {

constexpr std::size_t excerpt_limit = 40;
constexpr std::string_view ellipsis = "\xE2\x80\xA6";  // U+2026

}  // namespace

std::string quoted_excerpt(std::string_view text) {
    std::string out;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++characters) {
        if (characters == excerpt_limit) return out + std::string(ellipsis);
        const Utf8Sequence sequence = decode_utf8(text, i);
        if (sequence.valid && !is_hidden(sequence.code)) {
            out += text.substr(i, sequence.length);
        } else {
            out += placeholder;
        }
        i += sequence.length;
    }
    return out;
}

}  // namespace runtime
