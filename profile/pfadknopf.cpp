#include "ordnerpfad.h"
#include "pfaddatei.h"
#include "profilformular.h"

void profilformular::pfadBearbeiten() {
    fenster_.setzePfadAktiv(true);
    fenster_.setzePfadknopftext("Fertig");
    fenster_.setzePfadfarbe(ablage::pfadfarbe::weiss);
}

void profilformular::pfadUmschalten() {
    if (!fenster_.pfadAktiv()) {
        pfadBearbeiten();
        // The box is for typing now, the text selected to be typed over,
        // also where the load fails: its error is what the new folder mends.
        try {
            lesen();
        } catch (...) {
            fenster_.pfadFokussieren();
            throw;
        }
        fenster_.pfadFokussieren();
        return;
    }
    // An empty box names no folder; saved, it would leave an "ini.txt"
    // that every later start refuses. The last saved path stays.
    const std::string text = fenster_.pfadtext();
    const bool speichern = !text.empty();
    if (speichern) {
        // Saved first: a save that fails leaves the box editable with the
        // typed text, and the error says why.
        dateiSchreiben(pfaddateiname, fuerPfaddatei(ordnerAusEingabe(text)));
    }
    fenster_.setzePfadAktiv(false);
    fenster_.setzePfadknopftext("Pfad");
    fenster_.setzePfadfarbe(ablage::pfadfarbe::schaltflaeche);
    // The load names a folder without the settings file by the path box.
    lesen();
}
