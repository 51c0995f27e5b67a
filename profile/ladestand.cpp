#include "ladestand.h"

#include "ergebnisse.h"

void ladestand::merken(const ablage& fenster) {
    texte_.emplace();
    for (std::int16_t i = 0; i < ablage::anzahlFelder; ++i) {
        (*texte_)[static_cast<std::size_t>(i)] = fenster.feld(i);
    }
}

void ladestand::merken(const ablage& fenster, profilart profil) {
    if (!texte_) {
        return;
    }
    for (const feldgruppe& gruppe : feldgruppen) {
        if (gruppe.profil != profil) {
            continue;
        }
        for (std::int16_t i = gruppe.erstesFeld; i < gruppe.erstesFeld + gruppe.anzahl; ++i) {
            (*texte_)[static_cast<std::size_t>(i)] = fenster.feld(i);
        }
    }
}

bool ladestand::bearbeitet(const ablage& fenster) const {
    if (!texte_) {
        return false;
    }
    for (std::int16_t i = 0; i < ablage::anzahlFelder; ++i) {
        // Leaving a field tidies its text; that alone is no edit.
        if (aufgeraeumt(i, fenster.feld(i)) !=
            aufgeraeumt(i, (*texte_)[static_cast<std::size_t>(i)])) {
            return true;
        }
    }
    return false;
}
