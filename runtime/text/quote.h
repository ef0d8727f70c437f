#pragma once

#include <string>
#include <string_view>

namespace runtime {

// What a quote shows for a character it may not show as it is.
inline constexpr std::string_view placeholder = "\xEF\xBF\xBD";  // U+FFFD

// The user's text as a message may quote it: at most 40 characters, with
// each character that draws nothing or reorders the text (is_hidden), and
// each step of invalid UTF-8 (decode_utf8), shown as one placeholder, so
// the user sees that something is there and where.
std::string quoted_excerpt(std::string_view text);

}  // namespace runtime
