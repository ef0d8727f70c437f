#pragma once

#include <string>
#include <string_view>

// The core speaks UTF-8; Windows speaks UTF-16. Conversions happen here only.
namespace runtime::win32 {

std::wstring to_wide(std::string_view utf8);
std::string to_utf8(std::wstring_view utf16);

}  // namespace runtime::win32
