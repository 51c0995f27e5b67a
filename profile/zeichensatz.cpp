#include "zeichensatz.h"

#include <array>

namespace {

// Unicode of the bytes 0x80 to 0x9F; every other byte is its own code point.
constexpr std::array<char16_t, 32> oberehaelfte{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t zeichen(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return oberehaelfte[byte - 0x80];
    }
    return byte;
}

char byteVon(char16_t z) {
    if (z < 0x80 || (z >= 0xA0 && z <= 0xFF)) {
        return static_cast<char>(z);
    }
    for (std::size_t i = 0; i < oberehaelfte.size(); ++i) {
        if (oberehaelfte[i] == z) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
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
    std::string utf8;
    utf8.reserve(bytes.size());
    for (char b : bytes) {
        utf8Anhaengen(utf8, zeichen(static_cast<unsigned char>(b)));
    }
    return utf8;
}
