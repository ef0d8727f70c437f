#pragma once

#include <string>
#include <string_view>

#include "runtime/text/utf16.h"

// The core speaks UTF-8; Windows speaks UTF-16. Texts cross here, with the
// core's own conversions, so that Windows hands the core what every face does.
namespace runtime::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16 units");

inline std::wstring to_wide(std::string_view utf8) {
    const std::u16string utf16 = runtime::to_utf16(utf8);
    return {utf16.begin(), utf16.end()};
}

inline std::string to_utf8(std::wstring_view utf16) {
    const std::u16string units(utf16.begin(), utf16.end());
    return runtime::to_utf8(units);
}

}  // namespace runtime::win32
