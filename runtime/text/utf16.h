#pragma once

#include <string>
#include <string_view>

// The core speaks UTF-8; toolkits speak UTF-16. Each backend converts with
// these at its edge, so every face hands the core the same bytes for the
// same text.
namespace runtime {

// The two halves of a character beyond the first 65,536, in UTF-16.
constexpr bool is_high_surrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool is_low_surrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// An unpaired surrogate, which a text box can hold, becomes the three bytes
// a lenient encoder writes for it: invalid UTF-8 to every reader in the
// core, and one placeholder where a message quotes it.
std::string to_utf8(std::u16string_view text);

// Invalid UTF-8 becomes U+FFFD, one for each step decode_utf8 makes: the
// text is the user's to read, never to act on.
std::u16string to_utf16(std::string_view text);

}  // namespace runtime
