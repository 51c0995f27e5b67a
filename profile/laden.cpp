#include "dateien.h"
#include "ergebnisse.h"
#include "feldmarken.h"
#include "gruppensuche.h"
#include "laufzeitfehler.h"
#include "leeren.h"
#include "meldungen.h"
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

std::string_view profilformular::gewaehltesProfil(profilart profil, zweck wofuer) const {
    const auto welche =
        profil == profilart::fahrzeug ? ablage::auswahl::fahrzeug : ablage::auswahl::route;
    return gewaehlterName(profil, fenster_.beschriftung(welche), wofuer);
}

void profilformular::lesen() {
    if (felderLaden()) {
        berechnen(fenster_);
    }
}

bool profilformular::felderLaden() {
    // Every field not filled shows the placeholder afterwards.
    fenster_.feldwerteZurueckhalten(platzhalter);
    geladen_.reset();
    unveraendert_.reset();
    bool geladen = false;
    try {
        geladen = gruppenLaden();
    } catch (...) {
        fenster_.feldwerteSchreiben();
        nachDemLaden();
        throw;
    }
    fenster_.feldwerteSchreiben();
    nachDemLaden();
    return geladen;
}

void profilformular::nachDemLaden() {
    felderMarkieren(fenster_);
    stand_.merken(fenster_);
}

bool profilformular::gruppenLaden() {
    // The hint shows only where no path can be read: a path box written
    // twice per load would be repainted twice.
    std::optional<std::string> pfaddatei;
    try {
        pfaddatei = pfaddateiLesen();
        if (pfaddatei) {
            pfad_ = ausPfaddatei(*pfaddatei);
        }
    } catch (...) {
        leeren(fenster_);
        throw;
    }
    if (!pfaddatei) {
        // A first start: the path box waits for a folder, its hint greyed
        // behind the empty text.
        pfadBearbeiten();
        fenster_.setzePfadtext("");
        fenster_.pfadFokussieren();
        return false;
    }
    fenster_.setzePfadtext(pfad_);

    if (!dateiExistiert(dateiname())) {
        // A folder that is there but cannot be searched hides its file: the
        // read says why, and its error is shown.
        const bool ordner = ordnerExistiert(pfad_);
        if (ordner) {
            try {
                dateiLesen(dateiname());
            } catch (const laufzeitfehler& f) {
                if (f.nummer() != laufzeitfehler::dateiNichtGefunden) {
                    fenster_.pfadnotizZeigen("");
                    throw;
                }
            }
        }
        // Said in the window, not in a box: the user may be about to give
        // another folder anyway.
        fenster_.pfadnotizZeigen(
            meldungstext(ordner ? meldung::dateiFehlt : meldung::ordnerFehlt, {{"ordner", pfad_}}));
        return false;
    }
    fenster_.pfadnotizZeigen("");
    // The text lives for this load only: the writers read the file afresh,
    // and a large file must not stay in memory for the life of the window.
    const std::optional<dateistempel> stempel = stempelVorDemLesen(dateiname());
    const std::string inhalt = dateiLesen(dateiname());
    geladen_ = standVon(inhalt);
    unveraendert_ = stempel;
    const std::string_view fahrzeugname = gewaehltesProfil(profilart::fahrzeug, zweck::laden);
    const std::string_view routenname = gewaehltesProfil(profilart::route, zweck::laden);

    // Every split searches the unchanged text within one of the two
    // profiles, so both are found once, in one pass: on a large file that
    // pass is most of the work.
    const auto [fahrzeug, route] = profileSuchen(inhalt, fahrzeugname, routenname);
    fenster_.zeigen();
    for (const feldgruppe& gruppe : feldgruppen) {
        const bool vomFahrzeug = gruppe.profil == profilart::fahrzeug;
        const teilstuecke teile =
            gruppeZerlegen(inhalt, vomFahrzeug ? fahrzeug : route,
                           vomFahrzeug ? fahrzeugname : routenname, gruppe, fenster_, zweck::laden);
        verteilen(fenster_, teile[1], gruppe.erstesFeld, gruppe.anzahl);
    }
    return true;
}
