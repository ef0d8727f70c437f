#pragma once

#include <string>
#include <string_view>

namespace runtime {

// The user's text as a message may quote it: at most 40 characters, with
// whatever could hide or reorder the rest of the message replaced.
std::string quoted_excerpt(std::string_view text);

}  // namespace runtime
