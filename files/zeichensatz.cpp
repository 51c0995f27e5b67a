#include "zeichensatz.h"

#include <algorithm>

namespace {

using windows1252::zeichen;

char byteVon(char32_t z) {
    const int byte = windows1252::byteVon(z);
    return byte < 0 ? '?' : static_cast<char>(byte);
}

bool istHoherErsatz(char16_t z) {
    return z >= 0xD800 && z <= 0xDBFF;
}
bool istNiedrigerErsatz(char16_t z) {
    return z >= 0xDC00 && z <= 0xDFFF;
}

void utf8Anhaengen(std::string& ziel, char16_t z) {
    if (z < 0x80) {
        ziel += static_cast<char>(z);
    } else if (z < 0x800) {
        ziel += static_cast<char>(0xC0 | (z >> 6));
        ziel += static_cast<char>(0x80 | (z & 0x3F));
    } else {
        ziel += static_cast<char>(0xE0 | (z >> 12));
        ziel += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        ziel += static_cast<char>(0x80 | (z & 0x3F));
    }
}

} // namespace

std::u16string nachUnicode(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (char b : bytes) {
        text += zeichen(static_cast<unsigned char>(b));
    }
    return text;
}

std::string nachCp1252(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (istHoherErsatz(text[i]) && i + 1 < text.size() && istNiedrigerErsatz(text[i + 1])) {
            ++i;
            bytes += '?';
        } else {
            bytes += byteVon(text[i]);
        }
    }
    return bytes;
}

std::string nachUtf8(std::string_view bytes) {
    // ASCII, the usual file name, is its own UTF-8.
    if (std::ranges::all_of(bytes, [](char b) { return static_cast<unsigned char>(b) < 0x80; })) {
        return std::string(bytes);
    }
    std::string utf8;
    utf8.reserve(bytes.size());
    for (char b : bytes) {
        utf8Anhaengen(utf8, zeichen(static_cast<unsigned char>(b)));
    }
    return utf8;
}

bool istUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::optional<utf8zeichen> z = utf8Lesen(bytes, i);
        if (!z) {
            return false;
        }
        i += z->laenge;
    }
    return true;
}

std::optional<std::string> alsCp1252(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::optional<utf8zeichen> z = utf8Lesen(utf8, i);
        const int byte = z ? windows1252::byteVon(z->zeichen) : -1;
        if (byte < 0) {
            return std::nullopt;
        }
        bytes += static_cast<char>(byte);
        i += z->laenge;
    }
    return bytes;
}
