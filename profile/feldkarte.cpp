#include "feldkarte.h"

#include <span>

namespace {

std::span<const namenszeile> tabelle(profilart profil) {
    if (profil == profilart::fahrzeug) {
        return fahrzeugnamen;
    }
    return routennamen;
}

} // namespace

feldart artDesFeldes(std::int16_t index) {
    for (const feldgruppe& gruppe : feldgruppen) {
        if (index >= gruppe.erstesFeld && index < gruppe.erstesFeld + gruppe.anzahl) {
            return gruppe.art;
        }
    }
    return feldart::faktor;
}

std::optional<std::string_view> profilname(profilart profil, std::string_view beschriftung) {
    for (const namenszeile& zeile : tabelle(profil)) {
        if (zeile.beschriftung == beschriftung) {
            return zeile.name;
        }
    }
    return std::nullopt;
}

std::string_view vorgabename(profilart profil) {
    return tabelle(profil).front().name;
}
