#include "aenderungen.h"
#include "dateien.h"
#include "feldpruefung.h"
#include "festtext.h"
#include "gruppensuche.h"
#include "laufzeitfehler.h"
#include "meldungen.h"
#include "profilformular.h"
#include "sicherung.h"
#include "spleisstext.h"
#include "textroutine.h"
#include "werteliste.h"
#include "zeichensatz.h"

#include <ctime>
#include <vector>

namespace {

// How much of the profile the question shows where the passage cannot be cut.
constexpr std::size_t ersatzlaenge = 2000;

// `laenge` characters from the 1-based position `anfang` on, clipped at the
// end of the profile.
std::string_view stueck(std::string_view profil, std::size_t anfang, std::size_t laenge) {
    return anfang > profil.size() ? std::string_view{} : profil.substr(anfang - 1, laenge);
}

// The part of the rewritten profile shown for confirmation, from the
// "<Name>" in front of its name: for a vehicle the profile up to a little
// behind "</SpeedProfile>" and then its preference factors; for a route its
// passage up to the end of its preference factors. Searched and cut within
// the profile alone, so that it never shows another profile's text. Where a
// marker is missing or out of place (in a file without line ends, the 20
// characters behind "</SpeedProfile>" reach past "<PreferenceFactor"), it is
// the profile's own text from its "<Name>" on, at most `ersatzlaenge`
// characters: the passage only shows and never stops a write.
std::string bestaetigungspassage(std::string_view text, const profilbereich& bereich,
                                 profilart profil) {
    using namespace bestaetigung;
    const std::string_view imProfil = text.substr(0, bereich.ende);
    const std::size_t s = bereich.name - namensmarke.size();
    const std::string ersatz(stueck(imProfil, s, ersatzlaenge));
    std::string passage;
    std::size_t ab = s;
    if (profil == profilart::fahrzeug) {
        const std::size_t ende = finde(imProfil, profilende, s);
        if (ende == 0) {
            return ersatz;
        }
        const std::size_t e = ende + profilendeZugabe;
        passage = stueck(imProfil, s, e - s);
        ab = finde(imProfil, faktoranfang, e);
        if (ab == 0) {
            return ersatz;
        }
    }
    const std::size_t r = finde(imProfil, faktorende, ab);
    if (r == 0) {
        return ersatz;
    }
    passage += stueck(imProfil, ab, r + faktorendeZugabe - ab);
    return passage;
}

} // namespace

std::string profilformular::geladenerDateiname() const {
    if (!geladen_) {
        throw meldungsfehler(meldung::nichtGeladen, {{"datei", std::string(einstellungsdatei)}});
    }
    return dateiname();
}

void profilformular::fahrzeugUebernehmen() {
    uebernehmen(profilart::fahrzeug);
}

void profilformular::routeUebernehmen() {
    uebernehmen(profilart::route);
}

void profilformular::uebernehmen(profilart profil) {
    const std::string datei = geladenerDateiname();
    schreibbarPruefen(datei);
    felderPruefen(fenster_, profil);
    const std::string_view name = gewaehltesProfil(profil, zweck::schreiben);
    spleisstext text(dateiLesen(datei));

    // The profile is rewritten apart from the rest of the text: its groups
    // are spliced into a copy of it, from its "<Name>" to its end, and the
    // question shows that copy's passage. The text as read stays whole until
    // it has been saved as the backup; only then does the copy take the
    // profile's place. So no step copies a large file whole.
    const profilbereich bereich = profilSuchen(text.text(), name);
    using bestaetigung::namensmarke;
    const std::size_t anfang = bereich.name == 0 ? 0 : bereich.name - 1 - namensmarke.size();
    std::string profiltext(text.text(), anfang, bereich.ende - anfang);
    profilbereich imProfil{bereich.name == 0 ? 0 : namensmarke.size() + 1, profiltext.size()};
    // A group whose own marker is missing runs into another group's passage;
    // written, it would cut that group out of the file.
    const auto passagen = gruppenImProfil(profiltext, imProfil, name, profil);
    std::size_t g = 0;
    for (const feldgruppe& gruppe : feldgruppen) {
        if (gruppe.profil == profil && !passagen[g++]) {
            gruppeZerlegen(profiltext, imProfil, name, gruppe, fenster_, zweck::schreiben);
            throw meldungsfehler(
                meldung::markeFehltSchreiben,
                {{"profil", nachUtf8(name)},
                 {"marke", nachUtf8(gruppe.such3.empty() ? gruppe.such2 : gruppe.such3) + "…" +
                               nachUtf8(gruppe.suchnach1)},
                 {"feld", nachUtf8(fenster_.feldname(gruppe.erstesFeld))}});
        }
    }
    std::vector<std::string> aenderungen;
    for (const feldgruppe& gruppe : feldgruppen) {
        if (gruppe.profil != profil) {
            continue;
        }
        const teilstuecke teile =
            gruppeZerlegen(profiltext, imProfil, name, gruppe, fenster_, zweck::schreiben);
        aenderungenNotieren(aenderungen, fenster_, gruppe, teile[1]);
        profiltext.replace(teile[0].size(), teile[1].size(),
                           verbinden(fenster_, gruppe.erstesFeld, gruppe.anzahl));
        imProfil.ende = profiltext.size();
    }
    if (aenderungen.empty()) {
        aenderungen.push_back(meldungstext(meldung::keineAenderung, {}));
    }

    const std::string passage = bestaetigungspassage(profiltext, imProfil, profil);
    if (!fenster_.frageJaNein(meldungstextCp1252(meldung::frageUebernehmen, {}) + "\r\n" + passage,
                              aenderungen)) {
        return;
    }
    // Whether the window showed the file as read: another program may have
    // changed it since the load, in the half not written too.
    const bool gezeigt = geladen_ == standVon(text.text());
    const bool aendert =
        profiltext != std::string_view(text.text()).substr(anfang, bereich.ende - anfang);
    const schreibergebnis ergebnis = gesichertErsetzen(datei, text, aendert, [&](spleisstext& t) {
        t.ersetzen(anfang, bereich.ende - anfang, profiltext);
    });
    // The fields of this half now show the file and count as unedited. The
    // own write is no change on disk, unless the other half shows an older
    // file: then the file stays changed for the window, which loads it
    // again once no field is edited.
    if (gezeigt) {
        geladen_ = standVon(text.text());
    }
    unveraendert_.reset();
    stand_.merken(fenster_, profil);
    fenster_.statusZeigen(schreibzeile(ergebnis));
}

void profilformular::schreibbarPruefen(const std::string& datei) const {
    // Said before the question, not after the user has read the passage.
    if (schreibgeschuetzt(datei)) {
        throw meldungsfehler(meldung::schreibgeschuetzt, {{"datei", datei}});
    }
    if (ordnerNimmtKeineDatei(datei)) {
        throw meldungsfehler(meldung::ordnerSchreibgeschuetzt, {{"datei", datei}});
    }
}
