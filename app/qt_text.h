#pragma once
// The one crossing from the core's UTF-8 text to the windows' QString.

#include <QString>

#include <string_view>

inline QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
