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
    const std::string_view utf8(text.zeichen, n - 1);
    bytefolge<n> ergebnis;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::optional<utf8zeichen> z = utf8Lesen(utf8, i);
        if (!z) {
            throw std::logic_error("not UTF-8");
        }
        const int byte = byteVon(z->zeichen);
        if (byte < 0) {
            throw std::logic_error("no Windows-1252 byte for this character");
        }
        ergebnis.bytes[ergebnis.laenge++] = static_cast<char>(byte);
        i += z->laenge;
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
