#include "werteliste.h"

#include "ganzzahl16.h"
#include "laufzeitfehler.h"
#include "meldungen.h"
#include "textroutine.h"
#include "zeichensatz.h"

namespace {
constexpr std::string_view trenner = "|";
}

void verteilen(ablage& fenster, std::string_view liste, std::int16_t start, std::int16_t anzahl) {
    const std::int16_t letzterDurchlauf = summe16(anzahl, -2);
    std::size_t lesestelle = 1;
    for (int i = 0; i <= letzterDurchlauf; ++i) {
        const std::size_t trennstelle = finde(liste, trenner, lesestelle);
        if (trennstelle == 0) {
            throw meldungsfehler(meldung::zuWenigeTrenner,
                                 {{"feld", nachUtf8(fenster.feldname(start))}});
        }
        fenster.setzeFeld(summe16(start, i),
                          std::string(liste.substr(lesestelle - 1, trennstelle - lesestelle)));
        lesestelle = trennstelle + 1;
    }
    const std::int16_t letztesFeld = anzahl >= 2 ? summe16(start, summe16(anzahl, -1)) : start;
    const std::string_view rest =
        lesestelle <= liste.size() ? liste.substr(lesestelle - 1) : std::string_view{};
    fenster.setzeFeld(letztesFeld, std::string(rest));
}

std::string verbinden(const ablage& fenster, std::int16_t start, std::int16_t anzahl) {
    const std::int16_t letzterDurchlauf = summe16(anzahl, -1);
    std::string liste;
    for (int i = 0; i <= letzterDurchlauf; ++i) {
        liste += fenster.feld(summe16(start, i));
        if (i < letzterDurchlauf) {
            liste += trenner;
        }
    }
    return liste;
}
