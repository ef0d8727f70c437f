#pragma once

#include <string>
#include <string_view>

#include "runtime/text/utf16.h"

// Texts cross to the page as UTF-16, converted by the core's own
// functions, so that the page hands the core what every face does.
namespace runtime::web {

struct Utf16 {
    explicit Utf16(std::string_view utf8) : text(to_utf16(utf8)) {}
    const char16_t* data() const { return text.data(); }
    int size() const { return static_cast<int>(text.size()); }
    std::u16string text;
};

}  // namespace runtime::web
