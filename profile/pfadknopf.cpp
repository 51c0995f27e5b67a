#include "dateien.h"
#include "pfaddatei.h"
#include "profilformular.h"

void profilformular::pfadUmschalten() {
    if (fenster_.pfadAktiv()) {
        fenster_.setzePfadAktiv(false);
        fenster_.setzePfadknopftext("Pfad");
        fenster_.setzePfadfarbe(ablage::pfadfarbe::schaltflaeche);
        dateiSchreiben(pfaddateiname, fuerPfaddatei(fenster_.pfadtext()));
    } else {
        fenster_.setzePfadAktiv(true);
        fenster_.setzePfadknopftext("Fertig");
        fenster_.setzePfadfarbe(ablage::pfadfarbe::weiss);
    }
    lesen();
}
