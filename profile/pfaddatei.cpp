#include "pfaddatei.h"

#include "laufzeitfehler.h"
#include "zeichensatz.h"

#include <optional>

namespace {

constexpr std::string_view bytereihenfolgemarke = "\xEF\xBB\xBF";

// The UTF-16 text of strictly valid UTF-8 (shortest forms, no surrogates,
// nothing above U+10FFFF), or nothing when any byte breaks that.
std::optional<std::u16string> ausUtf8(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto erstes = static_cast<unsigned char>(bytes[i]);
        std::size_t laenge = 1;
        char32_t zeichen = erstes;
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
        } else if (erstes >= 0x80) {
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
        if (zeichen >= 0x10000) {
            zeichen -= 0x10000;
            text += static_cast<char16_t>(0xD800 + (zeichen >> 10));
            text += static_cast<char16_t>(0xDC00 + (zeichen & 0x3FF));
        } else {
            text += static_cast<char16_t>(zeichen);
        }
        i += laenge;
    }
    return text;
}

} // namespace

std::string ersteZeile(std::string_view dateiinhalt) {
    if (dateiinhalt.empty()) {
        throw laufzeitfehler(laufzeitfehler::hinterDateiende, std::string(pfaddateiname));
    }
    return std::string(dateiinhalt.substr(0, dateiinhalt.find_first_of("\r\n")));
}

std::string ausPfaddatei(std::string_view dateiinhalt) {
    std::string_view utf8 = dateiinhalt;
    if (utf8.starts_with(bytereihenfolgemarke)) {
        utf8.remove_prefix(bytereihenfolgemarke.size());
    }
    if (const auto text = ausUtf8(utf8)) {
        return nachCp1252(*text);
    }
    return std::string(dateiinhalt);
}

std::string fuerPfaddatei(std::string_view pfadtext) {
    return nachUtf8(pfadtext);
}
