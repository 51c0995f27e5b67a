#include "feldpruefung.h"

#include "laufzeitfehler.h"
#include "zahlen.h"
#include "zeichensatz.h"

#include <cmath>

namespace {

// Enough of a field's text to recognise it in a message; a broken file can
// put a whole profile into one field.
constexpr std::size_t gezeigteZeichen = 40;

bool istZahl(const std::string& text) {
    try {
        return std::isfinite(zahlLesen(text));
    } catch (const laufzeitfehler&) {
        return false;
    }
}

std::string gekuerzt(const std::string& text) {
    if (text.size() <= gezeigteZeichen) {
        return nachUtf8(text);
    }
    return nachUtf8(text.substr(0, gezeigteZeichen)) + " … (" + std::to_string(text.size()) +
           " Zeichen)";
}

} // namespace

void felderPruefen(const ablage& fenster, profilart profil) {
    for (const feldgruppe& gruppe : feldgruppen) {
        if (gruppe.profil != profil) {
            continue;
        }
        for (std::int16_t i = gruppe.erstesFeld; i < gruppe.erstesFeld + gruppe.anzahl; ++i) {
            const std::string text = fenster.feld(i);
            if (!istZahl(text)) {
                throw laufzeitfehler(laufzeitfehler::typenUnvertraeglich,
                                     "Das Feld „" + nachUtf8(fenster.feldname(i)) + "“ enthält „" +
                                         gekuerzt(text) +
                                         "“, keine Zahl. Nichts wurde geschrieben.");
            }
        }
    }
}
