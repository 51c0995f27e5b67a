#include "profilwahl.h"

#include "laufzeitfehler.h"
#include "textroutine.h"
#include "zeichensatz.h"

#include <string>

namespace {

using bestaetigung::namensmarke;

// The profile's position, given the name's first position anywhere.
std::size_t imProfil(std::string_view text, std::string_view name, std::size_t erste) {
    if (erste == 0) {
        return 0;
    }
    if (erste > namensmarke.size() &&
        text.substr(erste - 1 - namensmarke.size(), namensmarke.size()) == namensmarke) {
        return erste;
    }
    // "<Name>" with the name cannot start before the name's first position
    // minus the marker's length.
    const std::size_t ab = erste > namensmarke.size() ? erste - namensmarke.size() : 1;
    const std::size_t marke = finde(text, std::string(namensmarke) + std::string(name), ab);
    return marke == 0 ? 0 : marke + namensmarke.size();
}

} // namespace

std::string_view gewaehlterName(profilart profil, std::string_view beschriftung, zweck wofuer) {
    if (const auto name = profilname(profil, beschriftung)) {
        return *name;
    }
    if (wofuer == zweck::laden) {
        return vorgabename(profil);
    }
    throw laufzeitfehler(laufzeitfehler::ungueltigesArgument,
                         "Die Auswahl „" + nachUtf8(beschriftung) + "“ nennt kein " +
                             (profil == profilart::fahrzeug ? "Fahrzeugprofil" : "Routenprofil") +
                             ", nichts wurde geschrieben");
}

std::size_t profilstelle(std::string_view text, std::string_view name) {
    return imProfil(text, name, finde(text, name, 1));
}

std::pair<std::size_t, std::size_t> profilstellen(std::string_view text, std::string_view a,
                                                  std::string_view b) {
    const auto [erstesA, erstesB] = findeBeide(text, a, b);
    return {imProfil(text, a, erstesA), imProfil(text, b, erstesB)};
}
