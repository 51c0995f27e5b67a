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
    teile_ = {};
    inhalt_ = dateiLesen(dateiname());
    fahrzeugname_ = gewaehlterName(profilart::fahrzeug).value_or(vorgabename(profilart::fahrzeug));
    routenname_ = gewaehlterName(profilart::route).value_or(vorgabename(profilart::route));

    const textroutine zerleger;
    for (const feldgruppe& gruppe : feldgruppen) {
        const std::string& name =
            gruppe.profil == profilart::fahrzeug ? fahrzeugname_ : routenname_;
        teile_ =
            zerleger.zerlege(inhalt_, name, gruppe.such2, gruppe.such3, gruppe.suchnach1, "", "");
        verteilen(fenster_, teile_[1], gruppe.erstesFeld, gruppe.anzahl);
    }
    berechnen(fenster_);
}
