#pragma once

#include <QString>
#include <string>
#include <string_view>

// The core speaks UTF-8; Qt speaks QString. Texts cross here and nowhere else.
namespace runtime::qt {

inline QString to_qstring(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string to_utf8(const QString& text) { return text.toStdString(); }

}  // namespace runtime::qt
