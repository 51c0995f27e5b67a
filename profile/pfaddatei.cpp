#include "pfaddatei.h"

#include "laufzeitfehler.h"
#include "zeichensatz.h"

#include <optional>

namespace {

constexpr std::string_view bytereihenfolgemarke = "\xEF\xBB\xBF";

// The UTF-16 text of strictly valid UTF-8, or nothing when any byte breaks it.
std::optional<std::u16string> ausUtf8(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const std::optional<utf8zeichen> z = utf8Lesen(bytes, i);
        if (!z) {
            return std::nullopt;
        }
        if (z->zeichen >= 0x10000) {
            const char32_t rest = z->zeichen - 0x10000;
            text += static_cast<char16_t>(0xD800 + (rest >> 10));
            text += static_cast<char16_t>(0xDC00 + (rest & 0x3FF));
        } else {
            text += static_cast<char16_t>(z->zeichen);
        }
        i += z->laenge;
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
#ifdef _WIN32
    return std::string(pfadtext);
#else
    return nachUtf8(pfadtext);
#endif
}
