#include "feldpruefung.h"

#include "kurztext.h"
#include "laufzeitfehler.h"
#include "zahlen.h"
#include "zeichensatz.h"

#include <cmath>

std::optional<std::string_view> ablehnungsgrund(std::string_view text) {
    try {
        if (std::isfinite(zahlLesen(text))) {
            return std::nullopt;
        }
    } catch (const laufzeitfehler& f) {
        if (f.nummer() != laufzeitfehler::ueberlauf) {
            if (text.find_first_not_of(' ') == std::string_view::npos) {
                return "Leer";
            }
            if (text.find('|') != std::string_view::npos) {
                return "Enthält „|“";
            }
            return "Keine Zahl";
        }
    }
    return "Zahl zu groß";
}

void felderPruefen(const ablage& fenster, profilart profil) {
    for (const feldgruppe& gruppe : feldgruppen) {
        if (gruppe.profil != profil) {
            continue;
        }
        for (std::int16_t i = gruppe.erstesFeld; i < gruppe.erstesFeld + gruppe.anzahl; ++i) {
            const std::string text = fenster.feld(i);
            if (ablehnungsgrund(text)) {
                throw laufzeitfehler(laufzeitfehler::typenUnvertraeglich,
                                     "Das Feld „" + nachUtf8(fenster.feldname(i)) + "“ enthält „" +
                                         kurztext(text) +
                                         "“, keine Zahl. Nichts wurde geschrieben.");
            }
        }
    }
}
