#include "runtime/win32/wide_text.h"

#include <windows.h>

#include <climits>

#include "runtime/messages.h"

namespace runtime::win32 {
namespace {

int checked_length(std::size_t size) {
    if (size > INT_MAX) throw Error(messages::out_of_memory());
    return static_cast<int>(size);
}

}  // namespace

// Invalid UTF-8 becomes U+FFFD rather than failing: the text is the user's
// to read, never to act on.
std::wstring to_wide(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int length = checked_length(utf8.size());
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0)),
                      L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

// Unpaired surrogates (possible in a text box) become U+FFFD.
std::string to_utf8(std::wstring_view utf16) {
    if (utf16.empty()) return {};
    const int length = checked_length(utf16.size());
    std::string utf8(
        static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, nullptr, 0, nullptr, nullptr)),
        '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    return utf8;
}

}  // namespace runtime::win32
