#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fuzz {

// Code points of valid UTF-8, or nullopt; written apart from the runtime's
// own decoder so that one cannot vouch for itself.
std::optional<std::u32string> decode(std::string_view text);

}  // namespace fuzz
