#pragma once

#include <QString>

#include <string>
#include <string_view>

// Booking text is bytes, one per character (ISO-8859-1); the windows and the
// grid show and edit it as QString.
namespace Latin1 {

inline QString FromBytes(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// A character outside Latin-1 becomes '?': boxes whose text reaches a file
// refuse such characters as they are typed.
inline std::string ToBytes(const QString& text) {
    return text.toLatin1().toStdString();
}

} // namespace Latin1
