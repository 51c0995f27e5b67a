#include "profilwahl.h"

#include "laufzeitfehler.h"
#include "textroutine.h"
#include "zeichensatz.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>

namespace {

using bestaetigung::namensmarke;

// True where one of the nine profile names follows the "<Name>" at the
// 0-based position `marke`: there a profile begins.
bool profilnameDahinter(std::string_view text, std::size_t marke) {
    const std::string_view dahinter = text.substr(marke + namensmarke.size());
    const auto passt = [&](const namenszeile& z) { return dahinter.starts_with(z.name); };
    return std::ranges::any_of(fahrzeugnamen, passt) || std::ranges::any_of(routennamen, passt);
}

// The profiles of up to two names: one pass over the "<Name>" markers,
// which ends once every profile sought has been found and has ended.
void suchen(std::string_view text, std::span<const std::string_view> namen,
            std::span<profilbereich> bereiche) {
    std::size_t offen = namen.size(); // profiles not yet found or not yet ended
    for (std::size_t p = finde(text, namensmarke, 1); p != 0 && offen > 0;
         p = finde(text, namensmarke, p + namensmarke.size())) {
        const std::size_t marke = p - 1;
        if (!profilnameDahinter(text, marke)) {
            continue;
        }
        for (std::size_t i = 0; i < namen.size(); ++i) {
            profilbereich& b = bereiche[i];
            if (b.name != 0 && b.ende == 0) {
                b.ende = marke;
                --offen;
            } else if (b.name == 0 &&
                       text.substr(marke + namensmarke.size()).starts_with(namen[i])) {
                b.name = p + namensmarke.size();
            }
        }
    }
    for (profilbereich& b : bereiche) {
        if (b.name != 0 && b.ende == 0) {
            b.ende = text.size();
        }
    }
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

profilbereich profilSuchen(std::string_view text, std::string_view name) {
    profilbereich bereich;
    suchen(text, {&name, 1}, {&bereich, 1});
    return bereich;
}

std::pair<profilbereich, profilbereich> profileSuchen(std::string_view text, std::string_view a,
                                                      std::string_view b) {
    const std::array<std::string_view, 2> namen{a, b};
    std::array<profilbereich, 2> bereiche{};
    suchen(text, namen, bereiche);
    return {bereiche[0], bereiche[1]};
}
