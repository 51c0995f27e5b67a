#include "pfaddatei.h"

#include "laufzeitfehler.h"
#include "meldungen.h"
#include "zeichensatz.h"

#include <utility>

namespace {

constexpr std::string_view bytereihenfolgemarke = "\xEF\xBB\xBF";

} // namespace

std::string ersteZeile(std::string_view dateiinhalt) {
    if (dateiinhalt.empty()) {
        throw meldungsfehler(meldung::pfaddateiLeer, {{"datei", std::string(pfaddateiname)}});
    }
    return std::string(dateiinhalt.substr(0, dateiinhalt.find_first_of("\r\n")));
}

std::string ausPfaddatei(std::string_view dateiinhalt) {
    // The mark goes before anything else: read as Windows-1252 it would
    // become three letters of the path.
    if (dateiinhalt.starts_with(bytereihenfolgemarke)) {
        dateiinhalt.remove_prefix(bytereihenfolgemarke.size());
    }
    // Only the line that is used decides: a further line that a hand or
    // another program added must not change how the path reads.
    const std::string zeile = ersteZeile(dateiinhalt);
    return istUtf8(zeile) ? zeile : nachUtf8(zeile);
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
