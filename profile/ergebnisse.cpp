#include "ergebnisse.h"

#include "feldkarte.h"
#include "feldmarken.h"
#include "laufzeitfehler.h"
#include "leeren.h"
#include "zahlen.h"

#include <algorithm>
#include <cmath>

namespace {

double produkt(double a, double b) {
    const double p = a * b;
    if (!std::isfinite(p)) {
        throw laufzeitfehler(laufzeitfehler::ueberlauf);
    }
    return p;
}

double wert(const ablage& fenster, std::int16_t erstesFeld, int k) {
    return zahlLesen(fenster.feld(static_cast<std::int16_t>(erstesFeld + k)));
}

// Every "," becomes "."; a factor or value without a "." gets ".0".
void aufraeumen(ablage& fenster, std::int16_t index, std::string text) {
    if (text.find(',') != std::string::npos) {
        std::replace(text.begin(), text.end(), ',', '.');
        fenster.setzeFeld(index, text);
    }
    // Only text gets ".0": an emptied field, completed, would read as 0 and
    // be written as a factor of 0; left empty, the write refuses it.
    if (artDesFeldes(index) == feldart::faktor && text.find_first_not_of(' ') != std::string::npos &&
        text.find('.') == std::string::npos) {
        fenster.setzeFeld(index, text + ".0");
    }
}

} // namespace

void berechnen(ablage& fenster) {
    for (int k = 0; k < strassenklassen; ++k) {
        for (const produktreihe& reihe : produktreihen) {
            const double geschwindigkeit = wert(fenster, reihe.geschwindigkeit, k);
            const double fahrzeug =
                produkt(geschwindigkeit, wert(fenster, reihe.fahrzeugfaktor, k));
            const double gesamt = produkt(fahrzeug, wert(fenster, reihe.routenfaktor, k));
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
        aufraeumen(fenster, index, text);
    }
    // Marked before the products, whose run may stop at another field.
    feldMarkieren(fenster, index);
    if (geladen) {
        berechnen(fenster);
    }
}
