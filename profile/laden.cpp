#include "dateien.h"
#include "ergebnisse.h"
#include "laufzeitfehler.h"
#include "leeren.h"
#include "pfaddatei.h"
#include "profilformular.h"
#include "werteliste.h"

namespace {

// The content of "ini.txt", or nothing when there is no such file: no folder
// has been given yet. A file that is there but cannot be read stays an error.
std::optional<std::string> pfaddateiLesen() {
    try {
        return dateiLesen(pfaddateiname);
    } catch (const laufzeitfehler& f) {
        // A bare name in the working folder: "not found" means the file alone.
        if (f.nummer() == laufzeitfehler::dateiNichtGefunden) {
            return std::nullopt;
        }
        throw;
    }
}

} // namespace

std::optional<std::string_view> profilformular::gewaehlterName(profilart profil) const {
    const auto welche =
        profil == profilart::fahrzeug ? ablage::auswahl::fahrzeug : ablage::auswahl::route;
    return profilname(profil, fenster_.beschriftung(welche));
}

void profilformular::lesen() {
    leeren(fenster_);
    fahrzeugname_ = vorgabename(profilart::fahrzeug);
    routenname_ = vorgabename(profilart::route);

    const std::optional<std::string> pfaddatei = pfaddateiLesen();
    if (!pfaddatei) {
        pfadBearbeiten();
        fenster_.setzePfadtext("");
        fenster_.pfadFokussieren();
        return;
    }
    pfad_ = ersteZeile(ausPfaddatei(*pfaddatei));
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
