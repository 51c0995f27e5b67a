#include "dateien.h"
#include "ordnerpfad.h"
#include "pfaddatei.h"
#include "profilformular.h"

void profilformular::pfadBearbeiten() {
    fenster_.setzePfadAktiv(true);
    fenster_.setzePfadknopftext("Fertig");
    fenster_.setzePfadfarbe(ablage::pfadfarbe::weiss);
}

void profilformular::pfadUmschalten() {
    if (fenster_.pfadAktiv()) {
        fenster_.setzePfadAktiv(false);
        fenster_.setzePfadknopftext("Pfad");
        fenster_.setzePfadfarbe(ablage::pfadfarbe::schaltflaeche);
        // An empty box names no folder; saved, it would leave an "ini.txt"
        // that every later start refuses. The last saved path stays.
        if (!fenster_.pfadtext().empty()) {
            dateiSchreiben(pfaddateiname, fuerPfaddatei(mitTrenner(fenster_.pfadtext())));
        }
    } else {
        pfadBearbeiten();
    }
    lesen();
}
