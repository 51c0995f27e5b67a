#include "gruppensuche.h"

#include "laufzeitfehler.h"
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

[[noreturn]] void fehlt(const std::string& was, const feldgruppe& gruppe, const ablage& fenster,
                        zweck wofuer) {
    throw laufzeitfehler(laufzeitfehler::ungueltigesArgument,
                         was + ", für die Felder ab „" +
                             nachUtf8(fenster.feldname(gruppe.erstesFeld)) + "“" +
                             (wofuer == zweck::schreiben ? ", nichts wurde geschrieben" : ""));
}

} // namespace

teilstuecke gruppeZerlegen(std::string_view text, const profilbereich& bereich,
                           std::string_view name, const feldgruppe& gruppe, const ablage& fenster,
                           zweck wofuer) {
    if (bereich.name == 0) {
        fehlt("kein Profil „" + nachUtf8(bestaetigung::namensmarke) + nachUtf8(name) +
                  "“ in der Datei",
              gruppe, fenster, wofuer);
    }
    const teilstuecke teile =
        textroutine{}.zerlegeAb(text, bereich.name, bereich.ende, name, gruppe.such2, gruppe.such3,
                                gruppe.suchnach1, "", "");
    if (textroutine::istFehler(teile)) {
        fehlt("„" + nachUtf8(fehlendeMarke(teile, gruppe)) + "“ fehlt im Profil „" +
                  nachUtf8(name) + "“",
              gruppe, fenster, wofuer);
    }
    return teile;
}
