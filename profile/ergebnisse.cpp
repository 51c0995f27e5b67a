#include "ergebnisse.h"

#include "feldkarte.h"
#include "feldmarken.h"
#include "feldpruefung.h"
#include "kurztext.h"
#include "laufzeitfehler.h"
#include "leeren.h"
#include "meldungen.h"
#include "zahlen.h"
#include "zeichensatz.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// One field's number; a field that holds none is named with its text.
double wert(const ablage& fenster, std::int16_t index) {
    const std::string text = fenster.feld(index);
    try {
        return zahlLesen(text);
    } catch (const laufzeitfehler& f) {
        const std::string feld = nachUtf8(fenster.feldname(index));
        if (f.nummer() == laufzeitfehler::ueberlauf) {
            throw meldungsfehler(meldung::feldZuGross, {{"feld", feld}});
        }
        throw meldungsfehler(meldung::feldKeineZahl, {{"feld", feld}, {"text", kurztext(text)}});
    }
}

} // namespace

std::string aufgeraeumt(std::int16_t index, std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    if (artDesFeldes(index) == feldart::faktor && text.find('.') == std::string::npos &&
        !ablehnungsgrund(text) && !ablehnungsgrund(text + ".0")) {
        text += ".0";
    }
    return text;
}

void berechnen(ablage& fenster) {
    for (int k = 0; k < strassenklassen; ++k) {
        for (const produktreihe& reihe : produktreihen) {
            const std::array<std::int16_t, 3> felder{
                static_cast<std::int16_t>(reihe.geschwindigkeit + k),
                static_cast<std::int16_t>(reihe.fahrzeugfaktor + k),
                static_cast<std::int16_t>(reihe.routenfaktor + k)};
            std::array<double, 3> werte{};
            for (std::size_t i = 0; i < felder.size(); ++i) {
                werte[i] = wert(fenster, felder[i]);
            }
            const double gesamt = werte[0] * werte[1] * werte[2];
            if (!std::isfinite(gesamt)) {
                // Each number is finite: the largest makes the product too large.
                const auto groesste =
                    std::ranges::max_element(werte, {}, [](double w) { return std::fabs(w); });
                const auto feld = felder[static_cast<std::size_t>(groesste - werte.begin())];
                throw meldungsfehler(meldung::feldZuGross,
                                     {{"feld", nachUtf8(fenster.feldname(feld))}});
            }
            fenster.setzeErgebnis(static_cast<std::int16_t>(reihe.erstesErgebnis + k),
                                  zahlText(gesamt));
        }
    }
}

void feldVerlassen(ablage& fenster, std::int16_t index) {
    const std::string text = fenster.feld(index);
    // A field that nothing was loaded into holds no number to tidy or count.
    const bool geladen = text != platzhalter;
    if (geladen) {
        if (std::string neu = aufgeraeumt(index, text); neu != text) {
            fenster.setzeFeld(index, std::move(neu));
        }
    }
    // Marked before the products, whose run may stop at another field.
    feldMarkieren(fenster, index);
    if (geladen) {
        berechnen(fenster);
    }
}
