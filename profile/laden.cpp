#include "dateien.h"
#include "ergebnisse.h"
#include "leeren.h"
#include "pfaddatei.h"
#include "profilformular.h"
#include "textroutine.h"
#include "werteliste.h"

std::string_view profilformular::gewaehltesProfil(profilart profil, zweck wofuer) const {
    const auto welche =
        profil == profilart::fahrzeug ? ablage::auswahl::fahrzeug : ablage::auswahl::route;
    return gewaehlterName(profil, fenster_.beschriftung(welche), wofuer);
}

void profilformular::lesen() {
    fenster_.feldwerteZurueckhalten();
    bool geladen = false;
    try {
        geladen = gruppenLaden();
    } catch (...) {
        fenster_.feldwerteSchreiben();
        throw;
    }
    fenster_.feldwerteSchreiben();
    if (geladen) {
        berechnen(fenster_);
    }
}

bool profilformular::gruppenLaden() {
    // The hint shows only where no path can be read: a path box written
    // twice per load would be repainted twice.
    try {
        pfad_ = ersteZeile(ausPfaddatei(dateiLesen(pfaddateiname)));
    } catch (...) {
        leeren(fenster_);
        throw;
    }
    felderLeeren(fenster_);
    fenster_.setzePfadtext(pfad_);

    if (!dateiExistiert(dateiname())) {
        return false;
    }
    // The text lives for this load only: the writers read the file afresh,
    // and a large file must not stay in memory for the life of the window.
    const std::string inhalt = dateiLesen(dateiname());
    const std::string_view fahrzeugname = gewaehltesProfil(profilart::fahrzeug, zweck::laden);
    const std::string_view routenname = gewaehltesProfil(profilart::route, zweck::laden);

    // Every split searches the unchanged text from the same two profiles on,
    // so both are found once, in one pass: on a large file that pass is most
    // of the work.
    const auto [fahrzeugstelle, routenstelle] = profilstellen(inhalt, fahrzeugname, routenname);
    const textroutine zerleger;
    fenster_.zeigen();
    for (const feldgruppe& gruppe : feldgruppen) {
        const bool fahrzeug = gruppe.profil == profilart::fahrzeug;
        const teilstuecke teile = zerleger.zerlegeAb(
            inhalt, fahrzeug ? fahrzeugstelle : routenstelle, fahrzeug ? fahrzeugname : routenname,
            gruppe.such2, gruppe.such3, gruppe.suchnach1, "", "");
        verteilen(fenster_, teile[1], gruppe.erstesFeld, gruppe.anzahl);
    }
    return true;
}
