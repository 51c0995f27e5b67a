#include "feldpruefung.h"

#include "kurztext.h"
#include "laufzeitfehler.h"
#include "meldungen.h"
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
                return grundLeer;
            }
            if (text.find('|') != std::string_view::npos) {
                return grundTrenner;
            }
            return grundKeineZahl;
        }
    }
    return grundZuGross;
}

namespace {

// The write guard's message for each reason.
meldung schreibmeldung(std::string_view grund) {
    if (grund == grundLeer) {
        return meldung::feldLeerSchreiben;
    }
    if (grund == grundTrenner) {
        return meldung::feldTrennerSchreiben;
    }
    if (grund == grundZuGross) {
        return meldung::feldZuGrossSchreiben;
    }
    return meldung::feldKeineZahlSchreiben;
}

} // namespace

void felderPruefen(const ablage& fenster, profilart profil) {
    for (const feldgruppe& gruppe : feldgruppen) {
        if (gruppe.profil != profil) {
            continue;
        }
        for (std::int16_t i = gruppe.erstesFeld; i < gruppe.erstesFeld + gruppe.anzahl; ++i) {
            const std::string text = fenster.feld(i);
            if (const auto grund = ablehnungsgrund(text)) {
                throw meldungsfehler(
                    schreibmeldung(*grund),
                    {{"feld", nachUtf8(fenster.feldname(i))}, {"text", kurztext(text)}});
            }
        }
    }
}
