#pragma once

#include <array>
#include <string>
#include <string_view>

// The settings text, the field texts and the captions are held as bytes of
// Windows-1252, one character per byte. These are the only conversions
// between those bytes and Unicode. The five bytes that Windows-1252 leaves
// undefined map to the C1 control characters of the same value, so all 256
// byte values survive a round trip.

std::u16string nachUnicode(std::string_view bytes);

// Characters that Windows-1252 cannot represent become "?"; a surrogate pair
// is one character and becomes one "?".
std::string nachCp1252(std::u16string_view text);

// UTF-8 of the bytes, for file names and for messages.
std::string nachUtf8(std::string_view bytes);

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
