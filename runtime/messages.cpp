#include "runtime/messages.h"

#include <cstddef>
#include <cstdint>

namespace runtime::messages {
namespace {

constexpr std::size_t excerpt_limit = 40;
constexpr std::string_view replacement = "\xEF\xBF\xBD";  // U+FFFD
constexpr std::string_view ellipsis = "\xE2\x80\xA6";     // U+2026

std::string subject(Coefficient which) { return which == Coefficient::b ? "b ning qiymati" : "a ning qiymati"; }

std::string with_text(Coefficient which, std::string_view verdict, std::string_view text) {
    return subject(which) + " " + std::string(verdict) + ": \xC2\xAB" + quoted_excerpt(text) + "\xC2\xBB.";
}

// Decodes one UTF-8 sequence at text[i]; returns its length, or 0 when the
// bytes there are not valid UTF-8 (they are then shown as U+FFFD).
std::size_t sequence_length(std::string_view text, std::size_t i, char32_t& code) {
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[i + k]); };
    const std::uint8_t lead = byte(0);
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1Fu, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0Fu, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07u, minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(k) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(k) & 0x3Fu);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return (code < minimum || code > 0x10FFFF || surrogate) ? 0 : length;
}

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
        char32_t code = 0;
        const std::size_t length = sequence_length(text, i, code);
        if (length == 0 || is_unsafe(code)) {
            out += replacement;
        } else {
            out += text.substr(i, length);
        }
        i += length == 0 ? 1 : length;
    }
    return out;
}

std::string empty_value(Coefficient which) { return subject(which) + " kiritilmagan."; }
std::string not_a_number(Coefficient which, std::string_view text) { return with_text(which, "son emas", text); }
std::string too_large(Coefficient which, std::string_view text) { return with_text(which, "juda katta", text); }
std::string too_small(Coefficient which, std::string_view text) { return with_text(which, "juda kichik", text); }
std::string result_too_large() { return "Natija juda katta."; }
std::string result_too_small() { return "Natija juda kichik."; }
std::string out_of_memory() { return "Xotira yetmadi."; }
std::string internal_fault(std::string_view detail) { return "Dasturning ichki xatosi: " + std::string(detail); }
std::string no_display() { return "Tenglama: oyna ochib bo'lmadi, displey topilmadi (DISPLAY o'rnatilmagan)."; }

}  // namespace runtime::messages
