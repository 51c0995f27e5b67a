#include "pfaddatei.h"

#include "laufzeitfehler.h"
#include "zeichensatz.h"

#include <utility>

namespace {

constexpr std::string_view bytereihenfolgemarke = "\xEF\xBB\xBF";

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
    if (istUtf8(utf8)) {
        return std::string(utf8);
    }
    return nachUtf8(dateiinhalt);
}

std::string fuerPfaddatei(std::string_view pfad) {
#ifdef _WIN32
    // Bytes that would read back as other UTF-8 letters go as UTF-8 too.
    auto bytes = alsCp1252(pfad);
    if (bytes && (*bytes == pfad || !istUtf8(*bytes))) {
        return std::move(*bytes);
    }
    return std::string(bytereihenfolgemarke) + std::string(pfad);
#else
    return std::string(pfad);
#endif
}
