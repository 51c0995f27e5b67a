#include "gruppensuche.h"

#include "laufzeitfehler.h"
#include "meldungen.h"
#include "zeichensatz.h"

#include <string>
#include <vector>

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

std::vector<std::optional<teilstuecke>> gruppenImProfil(std::string_view text,
                                                        const profilbereich& bereich,
                                                        std::string_view name, profilart art) {
    std::vector<std::optional<teilstuecke>> passagen;
    std::vector<const feldgruppe*> gruppen;
    for (const feldgruppe& gruppe : feldgruppen) {
        if (gruppe.profil != art) {
            continue;
        }
        std::optional<teilstuecke> teile;
        if (bereich.name != 0) {
            teile = textroutine{}.zerlegeAb(text, bereich.name, bereich.ende, name, gruppe.such2,
                                            gruppe.such3, gruppe.suchnach1, "", "");
            if (textroutine::istFehler(*teile)) {
                teile.reset();
            }
        }
        passagen.push_back(teile);
        gruppen.push_back(&gruppe);
    }
    // Two passages that overlap (one group's end marker missing, its
    // passage runs on over the next group's) cannot both be spliced: the
    // group with fewer markers counts as missing, of two alike the later.
    const auto markenzahl = [&](std::size_t i) { return gruppen[i]->such3.empty() ? 1 : 2; };
    const auto ueberlappen = [&](std::size_t i, std::size_t j) {
        const std::size_t a = (*passagen[i])[0].size();
        const std::size_t b = (*passagen[j])[0].size();
        return a == b || (a < b + (*passagen[j])[1].size() && b < a + (*passagen[i])[1].size());
    };
    std::vector<bool> fehlt(passagen.size(), false);
    for (std::size_t i = 0; i < passagen.size(); ++i) {
        for (std::size_t j = 0; j < passagen.size(); ++j) {
            if (i != j && passagen[i] && passagen[j] && ueberlappen(i, j) &&
                (markenzahl(i) < markenzahl(j) || (markenzahl(i) == markenzahl(j) && i > j))) {
                fehlt[i] = true;
            }
        }
    }
    for (std::size_t i = 0; i < passagen.size(); ++i) {
        if (fehlt[i]) {
            passagen[i].reset();
        }
    }
    return passagen;
}
