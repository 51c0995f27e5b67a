#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The settings text, the field texts and the captions are held as bytes of
// Windows-1252, one character per byte; paths are UTF-8. These are the only
// conversions between those bytes and Unicode. The five bytes that Windows-1252 leaves
// undefined map to the C1 control characters of the same value, so all 256
// byte values survive a round trip.

std::u16string nachUnicode(std::string_view bytes);

// Characters that Windows-1252 cannot represent become "?"; a surrogate pair
// is one character and becomes one "?".
std::string nachCp1252(std::u16string_view text);

// UTF-8 of the bytes, for file names and for messages.
std::string nachUtf8(std::string_view bytes);

// True for strictly valid UTF-8 (see utf8Lesen).
bool istUtf8(std::string_view bytes);

// The Windows-1252 bytes of strictly valid UTF-8 whose every character
// Windows-1252 has; nothing otherwise.
std::optional<std::string> alsCp1252(std::string_view utf8);

// One character of UTF-8 at byte `i`: its code point and how many bytes it
// takes; nothing where the bytes are not strictly valid UTF-8 (a cut or
// overlong sequence, a surrogate, beyond U+10FFFF). Usable at compile time.
struct utf8zeichen {
    char32_t zeichen;
    std::size_t laenge;
};

constexpr std::optional<utf8zeichen> utf8Lesen(std::string_view bytes, std::size_t i) {
    const auto erstes = static_cast<unsigned char>(bytes[i]);
    if (erstes < 0x80) {
        return utf8zeichen{erstes, 1};
    }
    std::size_t laenge = 0;
    char32_t zeichen = 0;
    char32_t kleinstes = 0;
    if (erstes >= 0xF0 && erstes <= 0xF7) {
        laenge = 4;
        zeichen = erstes & 0x07;
        kleinstes = 0x10000;
    } else if (erstes >= 0xE0 && erstes <= 0xEF) {
        laenge = 3;
        zeichen = erstes & 0x0F;
        kleinstes = 0x800;
    } else if (erstes >= 0xC0 && erstes <= 0xDF) {
        laenge = 2;
        zeichen = erstes & 0x1F;
        kleinstes = 0x80;
    } else {
        return std::nullopt;
    }
    if (bytes.size() - i < laenge) {
        return std::nullopt;
    }
    for (std::size_t k = 1; k < laenge; ++k) {
        const auto folge = static_cast<unsigned char>(bytes[i + k]);
        if ((folge & 0xC0) != 0x80) {
            return std::nullopt;
        }
        zeichen = (zeichen << 6) | (folge & 0x3F);
    }
    if (zeichen < kleinstes || zeichen > 0x10FFFF || (zeichen >= 0xD800 && zeichen <= 0xDFFF)) {
        return std::nullopt;
    }
    return utf8zeichen{zeichen, laenge};
}

namespace windows1252 {

// Unicode of the bytes 0x80 to 0x9F; every other byte is its own code point.
inline constexpr std::array<char16_t, 32> oberehaelfte{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char16_t zeichen(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return oberehaelfte[byte - 0x80];
    }
    return byte;
}

// The byte of a code point, or -1 where Windows-1252 has none.
constexpr int byteVon(char32_t z) {
    if (z < 0x80 || (z >= 0xA0 && z <= 0xFF)) {
        return static_cast<int>(z);
    }
    for (std::size_t i = 0; i < oberehaelfte.size(); ++i) {
        if (oberehaelfte[i] == z) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

} // namespace windows1252
