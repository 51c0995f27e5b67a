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
    if (auto bytes = ausUtf8(utf8)) {
        return std::move(*bytes);
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
