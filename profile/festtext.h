#pragma once

#include "zeichensatz.h"

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string_view>

// The sources are UTF-8 throughout. A text that the logic compares with the
// settings file's bytes or writes into it is written as "Schöne"_cp1252: the
// UTF-8 literal becomes Windows-1252 bytes at compile time, and a character
// that Windows-1252 lacks, or a literal that is not UTF-8, does not compile.

namespace windows1252 {

template <std::size_t n> struct utf8literal {
    char zeichen[n]{};
    constexpr utf8literal(const char (&text)[n]) {
        for (std::size_t i = 0; i < n; ++i) {
            zeichen[i] = text[i];
        }
    }
};

template <std::size_t n> struct bytefolge {
    std::array<char, n> bytes{};
    std::size_t laenge = 0;
};

template <std::size_t n> constexpr bytefolge<n> umwandeln(const utf8literal<n>& text) {
    bytefolge<n> ergebnis;
    const auto folgebyte = [&](std::size_t i) {
        const auto b = static_cast<unsigned char>(text.zeichen[i]);
        if (i + 1 >= n || (b & 0xC0) != 0x80) {
            throw std::logic_error("not UTF-8");
        }
        return static_cast<char32_t>(b & 0x3F);
    };
    for (std::size_t i = 0; i + 1 < n;) {
        const auto b = static_cast<unsigned char>(text.zeichen[i]);
        char32_t z = 0;
        if (b < 0x80) {
            z = b;
            i += 1;
        } else if ((b & 0xE0) == 0xC0) {
            z = (static_cast<char32_t>(b & 0x1F) << 6) | folgebyte(i + 1);
            i += 2;
        } else if ((b & 0xF0) == 0xE0) {
            z = (static_cast<char32_t>(b & 0x0F) << 12) | (folgebyte(i + 1) << 6) |
                folgebyte(i + 2);
            i += 3;
        } else {
            throw std::logic_error("not UTF-8, or beyond Windows-1252");
        }
        const int byte = byteVon(z);
        if (byte < 0) {
            throw std::logic_error("no Windows-1252 byte for this character");
        }
        ergebnis.bytes[ergebnis.laenge++] = static_cast<char>(byte);
    }
    return ergebnis;
}

template <utf8literal text> inline constexpr auto umgewandelt = umwandeln(text);

} // namespace windows1252

template <windows1252::utf8literal text> consteval std::string_view operator""_cp1252() {
    const auto& folge = windows1252::umgewandelt<text>;
    return {folge.bytes.data(), folge.laenge};
}

// The conversion meets the byte table: letters of the upper half and of the
// 0x80-0x9F block.
static_assert("Größe €“”"_cp1252 == std::string_view("Gr\xF6\xDF"
                                                     "e \x80\x93\x94"));
