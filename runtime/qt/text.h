#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "runtime/text/utf16.h"

// The core speaks UTF-8; Qt speaks QString. Texts cross here, with the
// core's own conversions, so that Qt hands the core what every face does.
namespace runtime::qt {

// Unit for unit. Qt's UTF-16 decoder would drop a leading U+FEFF, which a
// pasted text may begin with and the core must see.
inline QString qstring(std::u16string_view utf16) {
    return QString(reinterpret_cast<const QChar*>(utf16.data()), static_cast<qsizetype>(utf16.size()));
}

inline QString to_qstring(std::string_view utf8) { return qstring(runtime::to_utf16(utf8)); }

inline std::u16string_view units(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

inline std::string to_utf8(const QString& text) { return runtime::to_utf8(units(text)); }

}  // namespace runtime::qt
