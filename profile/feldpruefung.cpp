#include "feldpruefung.h"

#include "kurztext.h"
#include "laufzeitfehler.h"
#include "zahlen.h"
#include "zeichensatz.h"

#include <cmath>

namespace {

bool istZahl(const std::string& text) {
    try {
        return std::isfinite(zahlLesen(text));
    } catch (const laufzeitfehler&) {
        return false;
    }
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
                                         kurztext(text) +
                                         "“, keine Zahl. Nichts wurde geschrieben.");
            }
        }
    }
}
