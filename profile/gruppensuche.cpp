#include "gruppensuche.h"

#include "laufzeitfehler.h"
#include "meldungen.h"
#include "zeichensatz.h"

#include <string>

namespace {

std::string_view fehlendeMarke(const teilstuecke& teile, const feldgruppe& gruppe) {
    switch (teile.fehler) {
    case suchfehler::such2:
        return gruppe.such2;
    case suchfehler::such3:
        return gruppe.such3;
    default:
        return gruppe.suchnach1;
    }
}

// A missing profile or marker: for a load the group's fields stay empty, a
// write writes nothing.
[[noreturn]] void fehlt(std::string_view marke, std::string_view name, const feldgruppe& gruppe,
                        const ablage& fenster, zweck wofuer) {
    const bool laden = wofuer == zweck::laden;
    const meldung art = marke.empty()
                            ? (laden ? meldung::profilFehltLaden : meldung::profilFehltSchreiben)
                            : (laden ? meldung::markeFehltLaden : meldung::markeFehltSchreiben);
    throw meldungsfehler(art, {{"profil", nachUtf8(name)},
                               {"marke", nachUtf8(marke)},
                               {"feld", nachUtf8(fenster.feldname(gruppe.erstesFeld))}});
}

} // namespace

teilstuecke gruppeZerlegen(std::string_view text, const profilbereich& bereich,
                           std::string_view name, const feldgruppe& gruppe, const ablage& fenster,
                           zweck wofuer) {
    if (bereich.name == 0) {
        fehlt("", name, gruppe, fenster, wofuer);
    }
    const teilstuecke teile =
        textroutine{}.zerlegeAb(text, bereich.name, bereich.ende, name, gruppe.such2, gruppe.such3,
                                gruppe.suchnach1, "", "");
    if (textroutine::istFehler(teile)) {
        fehlt(fehlendeMarke(teile, gruppe), name, gruppe, fenster, wofuer);
    }
    return teile;
}
