#include "dateien.h"
#include "ergebnisse.h"
#include "leeren.h"
#include "pfaddatei.h"
#include "profilformular.h"
#include "werteliste.h"

std::optional<std::string_view> profilformular::gewaehlterName(profilart profil) const {
    const auto welche =
        profil == profilart::fahrzeug ? ablage::auswahl::fahrzeug : ablage::auswahl::route;
    return profilname(profil, fenster_.beschriftung(welche));
}

void profilformular::lesen() {
    leeren(fenster_);
    fahrzeugname_ = vorgabename(profilart::fahrzeug);
    routenname_ = vorgabename(profilart::route);

    pfad_ = ersteZeile(ausPfaddatei(dateiLesen(pfaddateiname)));
    fenster_.setzePfadtext(pfad_);

    if (!dateiExistiert(dateiname())) {
        return;
    }
    // The old text goes before the new one is read, so that a reload of a
    // large file does not hold both.
    teile_ = {};
    inhalt_ = std::string();
    inhalt_ = dateiLesen(dateiname());
    fahrzeugname_ = gewaehlterName(profilart::fahrzeug).value_or(vorgabename(profilart::fahrzeug));
    routenname_ = gewaehlterName(profilart::route).value_or(vorgabename(profilart::route));

    // Every split searches the unchanged text for one of the same two names
    // from its top, so both are searched once, in one pass: on a large file
    // that pass is most of the work.
    const auto [fahrzeugstelle, routenstelle] = findeBeide(inhalt_, fahrzeugname_, routenname_);
    const textroutine zerleger;
    for (const feldgruppe& gruppe : feldgruppen) {
        const bool fahrzeug = gruppe.profil == profilart::fahrzeug;
        teile_ = zerleger.zerlegeAb(inhalt_, fahrzeug ? fahrzeugstelle : routenstelle,
                                    fahrzeug ? fahrzeugname_ : routenname_, gruppe.such2,
                                    gruppe.such3, gruppe.suchnach1, "", "");
        verteilen(fenster_, teile_[1], gruppe.erstesFeld, gruppe.anzahl);
    }
    berechnen(fenster_);
}
