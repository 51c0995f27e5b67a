#include "dateien.h"
#include "ergebnisse.h"
#include "laufzeitfehler.h"
#include "profilformular.h"

bool profilformular::dateiGeaendert() const {
    if (!geladen_) {
        return false;
    }
    try {
        // A file whose stamp stayed as when it last held the loaded content
        // is not read: on a large file, reading and hashing it every few
        // seconds would cost far more than the stamp.
        const std::string name = dateiname();
        const std::optional<dateistempel> stempel = stempelVorDemLesen(name);
        if (stempel && stempel == unveraendert_) {
            return false;
        }
        const bool anders = standVon(dateiLesen(name)) != *geladen_;
        unveraendert_ = anders ? std::nullopt : stempel;
        return anders;
    } catch (const laufzeitfehler&) {
        return false;
    }
}

bool profilformular::markeInEinemFeld() const {
    for (std::int16_t i = 0; i < ablage::anzahlFelder; ++i) {
        if (fenster_.feld(i).find('<') != std::string::npos) {
            return true;
        }
    }
    return false;
}

bool profilformular::stillNachladen() {
    if (fenster_.pfadAktiv() || bearbeitet() || !dateiGeaendert()) {
        return false;
    }
    // Unedited, the fields show what the last load put there.
    std::array<std::string, ablage::anzahlFelder> vorher;
    for (std::int16_t i = 0; i < ablage::anzahlFelder; ++i) {
        vorher[static_cast<std::size_t>(i)] = fenster_.feld(i);
    }
    const auto alterStand = geladen_;
    try {
        const bool geladen = felderLaden();
        if (!geladen || !markeInEinemFeld()) {
            if (geladen) {
                try {
                    berechnen(fenster_);
                } catch (const laufzeitfehler&) {
                    // The file holds a value that is no number: it shows,
                    // framed as refused, and the products stand as far as
                    // they go.
                }
            }
            return true;
        }
    } catch (const laufzeitfehler&) {
        // Put back below.
    }
    // A load that failed, or found a marker inside a value list where the
    // file is still being written: the fields stay. The stand of a file that
    // was read stays noted, so the same bytes are not tried again, but the
    // next change is.
    if (!geladen_) {
        geladen_ = alterStand;
    }
    for (std::int16_t i = 0; i < ablage::anzahlFelder; ++i) {
        fenster_.setzeFeld(i, vorher[static_cast<std::size_t>(i)]);
    }
    nachDemLaden();
    try {
        berechnen(fenster_);
    } catch (const laufzeitfehler&) {
        // The products stand as far as the fields allow, as after the load.
    }
    return false;
}
