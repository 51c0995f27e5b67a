#include "zurueckholen.h"

#include "aenderungen.h"
#include "dateien.h"
#include "feldkarte.h"
#include "festtext.h"
#include "gruppensuche.h"
#include "laufzeitfehler.h"
#include "meldungen.h"
#include "profilformular.h"
#include "profilwahl.h"
#include "textroutine.h"
#include "zeichensatz.h"

#include <algorithm>
#include <optional>

namespace {

// One of the nine profiles: its name in the file, the caption the window
// gives it (the first caption that names it), and its kind.
struct profil {
    std::string_view name;
    std::string_view beschriftung;
    profilart art;
};

std::vector<profil> neunProfile() {
    std::vector<profil> profile;
    const auto aufnehmen = [&](const auto& tabelle, profilart art) {
        for (const namenszeile& z : tabelle) {
            if (std::ranges::none_of(profile, [&](const profil& p) { return p.name == z.name; })) {
                profile.push_back({z.name, z.beschriftung, art});
            }
        }
    };
    aufnehmen(fahrzeugnamen, profilart::fahrzeug);
    aufnehmen(routennamen, profilart::route);
    return profile;
}

std::string fehltZeile(const std::string& vorn, bool inDerSicherung) {
    return vorn + (inDerSicherung ? "fehlt in der Sicherung" : "fehlt in der Datei") +
           ", bleibt wie jetzt";
}

} // namespace

feldnamen feldnamenLesen(const ablage& fenster) {
    feldnamen namen;
    for (int i = 0; i < ablage::anzahlFelder; ++i) {
        namen[static_cast<std::size_t>(i)] =
            nachUtf8(fenster.feldname(static_cast<std::int16_t>(i)));
    }
    return namen;
}

sicherungsvergleich sicherungVergleichen(std::string_view jetzt, std::string_view sicherung,
                                         const feldnamen& namen) {
    sicherungsvergleich ergebnis;
    bool gefunden = false;
    for (const profil& p : neunProfile()) {
        const profilbereich hier = profilSuchen(jetzt, p.name);
        const profilbereich dort = profilSuchen(sicherung, p.name);
        gefunden = gefunden || dort.name != 0;
        const std::string vorn = nachUtf8(p.beschriftung) + " – ";
        if (hier.name == 0 || dort.name == 0) {
            ergebnis.zeilen.push_back(fehltZeile(vorn, dort.name == 0));
            continue;
        }
        const auto a = gruppenImProfil(jetzt, hier, p.name, p.art);
        const auto b = gruppenImProfil(sicherung, dort, p.name, p.art);
        std::size_t g = 0;
        for (const feldgruppe& gruppe : feldgruppen) {
            if (gruppe.profil != p.art) {
                continue;
            }
            const auto& alt = a[g];
            const auto& neu = b[g++];
            if (!alt || !neu) {
                const auto erstes = static_cast<std::size_t>(gruppe.erstesFeld);
                ergebnis.zeilen.push_back(
                    fehltZeile(vorn + "Felder ab „" + namen[erstes] + "“: ", !neu));
                continue;
            }
            const auto alte = listenwerte((*alt)[1], gruppe.anzahl);
            const auto neue = listenwerte((*neu)[1], gruppe.anzahl);
            for (std::size_t i = 0; i < alte.size(); ++i) {
                if (alte[i] != neue[i]) {
                    ++ergebnis.anders;
                    ergebnis.zeilen.push_back(aenderungszeile(
                        vorn + namen[static_cast<std::size_t>(gruppe.erstesFeld) + i], alte[i],
                        neue[i]));
                }
            }
        }
    }
    if (!gefunden) {
        throw meldungsfehler(meldung::sicherungOhneProfile, {});
    }
    return ergebnis;
}

std::string unterschiedszahl(std::size_t anders) {
    if (anders == 0) {
        return "keine Unterschiede";
    }
    return std::to_string(anders) + (anders == 1 ? " Wert anders" : " Werte anders");
}

void sicherungEinsetzen(spleisstext& jetzt, std::string_view sicherung) {
    struct spleissung {
        std::size_t stelle;
        std::size_t laenge;
        std::string_view neu;
    };
    std::vector<spleissung> spleissungen;
    const std::string_view text = jetzt.text();
    for (const profil& p : neunProfile()) {
        const auto a = gruppenImProfil(text, profilSuchen(text, p.name), p.name, p.art);
        const auto b = gruppenImProfil(sicherung, profilSuchen(sicherung, p.name), p.name, p.art);
        for (std::size_t g = 0; g < a.size(); ++g) {
            if (a[g] && b[g]) {
                spleissungen.push_back({(*a[g])[0].size(), (*a[g])[1].size(), (*b[g])[1]});
            }
        }
    }
    // From the end backwards, so that every position still holds in the
    // text as it was read; each passage has one group.
    std::ranges::sort(spleissungen, std::greater{}, &spleissung::stelle);
    for (const spleissung& s : spleissungen) {
        jetzt.ersetzen(s.stelle, s.laenge, s.neu);
    }
}

std::vector<sicherungsangabe> profilformular::sicherungen() const {
    return sicherungenAuflisten(einstellungsdatei);
}

std::function<sicherungsvergleich(const std::string&)>
profilformular::sicherungsvergleicher() const {
    return [jetzt = dateiLesen(geladenerDateiname()),
            namen = feldnamenLesen(fenster_)](const std::string& sicherung) {
        return sicherungVergleichen(jetzt, dateiLesen(sicherung), namen);
    };
}

void profilformular::sicherungZurueckholen(const std::string& sicherung) {
    const std::string datei = geladenerDateiname();
    schreibbarPruefen(datei);
    const std::string alt = dateiLesen(sicherung);
    spleisstext text(dateiLesen(datei));
    sicherungsvergleich v = sicherungVergleichen(text.text(), alt, feldnamenLesen(fenster_));
    if (v.anders == 0) {
        v.zeilen.insert(v.zeilen.begin(), meldungstext(meldung::keineAenderung, {}));
    }
    if (!fenster_.frageJaNein(meldungstextCp1252(meldung::frageZurueckholen, {}) + "\r\n",
                              v.zeilen)) {
        return;
    }
    const schreibergebnis ergebnis = gesichertErsetzen(
        datei, text, v.anders > 0, [&](spleisstext& t) { sicherungEinsetzen(t, alt); });
    lesen();
    fenster_.statusZeigen(schreibzeile(ergebnis));
}
