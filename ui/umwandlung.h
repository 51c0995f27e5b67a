#pragma once

#include "zeichensatz.h"

#include <QString>

#include <string>
#include <string_view>

// The window's side of the conversions between the logic's texts and the
// widgets' ones: Windows-1252 bytes for the settings text's values and the
// captions, UTF-8 for paths and messages.

inline QString alsText(std::string_view bytes) {
    return QString::fromStdU16String(nachUnicode(bytes));
}

inline std::string alsBytes(const QString& text) {
    return nachCp1252(text.toStdU16String());
}

inline QString ausUtf8(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string alsUtf8(const QString& text) {
    return text.toStdString();
}
