#include "feldmarken.h"

#include "feldpruefung.h"
#include "leeren.h"

ablage::feldbefund befinden(std::string_view text) {
    using zustand = ablage::feldzustand;
    if (text == platzhalter) {
        return {zustand::nichtGeladen, "Nicht geladen"};
    }
    if (const auto grund = ablehnungsgrund(text)) {
        return {zustand::abgelehnt, *grund};
    }
    return {};
}

void feldMarkieren(ablage& fenster, std::int16_t index) {
    fenster.setzeFeldbefund(index, befinden(fenster.feld(index)));
}

void felderMarkieren(ablage& fenster) {
    for (std::int16_t i = 0; i < ablage::anzahlFelder; ++i) {
        feldMarkieren(fenster, i);
    }
}
