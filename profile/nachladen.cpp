#include "dateien.h"
#include "ergebnisse.h"
#include "laufzeitfehler.h"
#include "profilformular.h"

void profilformular::felderMerken() {
    for (std::int16_t i = 0; i < ablage::anzahlFelder; ++i) {
        geladeneFelder_[static_cast<std::size_t>(i)] = fenster_.feld(i);
    }
}

void profilformular::felderMerken(profilart nur) {
    for (const feldgruppe& gruppe : feldgruppen) {
        if (gruppe.profil != nur) {
            continue;
        }
        for (std::int16_t i = gruppe.erstesFeld; i < gruppe.erstesFeld + gruppe.anzahl; ++i) {
            geladeneFelder_[static_cast<std::size_t>(i)] = fenster_.feld(i);
        }
    }
}

bool profilformular::felderBearbeitet() const {
    for (std::int16_t i = 0; i < ablage::anzahlFelder; ++i) {
        if (fenster_.feld(i) != geladeneFelder_[static_cast<std::size_t>(i)]) {
            return true;
        }
    }
    return false;
}

bool profilformular::dateiGeaendert() const {
    if (!geladen_) {
        return false;
    }
    try {
        return standVon(dateiLesen(dateiname())) != *geladen_;
    } catch (const laufzeitfehler&) {
        return false;
    }
}

bool profilformular::stillNachladen() {
    if (fenster_.pfadAktiv() || felderBearbeitet() || !dateiGeaendert()) {
        return false;
    }
    const auto vorher = geladeneFelder_;
    const auto alterStand = geladen_;
    try {
        lesen();
        return true;
    } catch (const laufzeitfehler&) {
        // The stand of a file that was read stays noted, so the same bytes
        // are not tried again, but the next change is.
        if (!geladen_) {
            geladen_ = alterStand;
        }
    }
    for (std::int16_t i = 0; i < ablage::anzahlFelder; ++i) {
        fenster_.setzeFeld(i, vorher[static_cast<std::size_t>(i)]);
    }
    geladeneFelder_ = vorher;
    try {
        berechnen(fenster_);
    } catch (const laufzeitfehler&) {
        // The products stand as far as the fields allow, as after the load.
    }
    return false;
}
