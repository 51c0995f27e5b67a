#pragma once

#include "zeichensatz.h"

#include <QString>

#include <string>
#include <string_view>

// The window's side of the one conversion between the logic's
// Windows-1252 bytes and the texts the widgets show.

inline QString alsText(std::string_view bytes) {
    return QString::fromStdU16String(nachUnicode(bytes));
}

inline std::string alsBytes(const QString& text) {
    return nachCp1252(text.toStdU16String());
}
