#include "zurueckholen.h"

#include "aenderungen.h"
#include "dateien.h"
#include "feldkarte.h"
#include "festtext.h"
#include "laufzeitfehler.h"
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

// The value passage of `gruppe` within the profile `bereich`, or nothing when
// the text lacks the profile or the group.
std::optional<teilstuecke> gruppeIn(std::string_view text, const profilbereich& bereich,
                                    std::string_view name, const feldgruppe& gruppe) {
    if (bereich.name == 0) {
        return std::nullopt;
    }
    const teilstuecke teile =
        textroutine{}.zerlegeAb(text, bereich.name, bereich.ende, name, gruppe.such2, gruppe.such3,
                                gruppe.suchnach1, "", "");
    if (textroutine::istFehler(teile)) {
        return std::nullopt;
    }
    return teile;
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
        for (const feldgruppe& gruppe : feldgruppen) {
            if (gruppe.profil != p.art) {
                continue;
            }
            const auto a = gruppeIn(jetzt, hier, p.name, gruppe);
            const auto b = gruppeIn(sicherung, dort, p.name, gruppe);
            if (!a || !b) {
                const auto erstes = static_cast<std::size_t>(gruppe.erstesFeld);
                ergebnis.zeilen.push_back(
                    fehltZeile(vorn + "Felder ab „" + namen[erstes] + "“: ", !b));
                continue;
            }
            const auto alte = listenwerte((*a)[1], gruppe.anzahl);
            const auto neue = listenwerte((*b)[1], gruppe.anzahl);
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
        throw laufzeitfehler(laufzeitfehler::ungueltigesArgument,
                             "Die Sicherung enthält keines der neun Geschwindigkeitsprofile. "
                             "Bitte eine andere Sicherung wählen.");
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
        const profilbereich hier = profilSuchen(text, p.name);
        const profilbereich dort = profilSuchen(sicherung, p.name);
        for (const feldgruppe& gruppe : feldgruppen) {
            if (gruppe.profil != p.art) {
                continue;
            }
            const auto a = gruppeIn(text, hier, p.name, gruppe);
            const auto b = gruppeIn(sicherung, dort, p.name, gruppe);
            if (a && b) {
                spleissungen.push_back({(*a)[0].size(), (*a)[1].size(), (*b)[1]});
            }
        }
    }
    // From the end backwards, so that every position still holds in the
    // text as it was read. Two groups of an odd profile may find the same
    // passage; it is taken once.
    std::ranges::sort(spleissungen, std::greater{}, &spleissung::stelle);
    std::size_t frei = text.size() + 1; // where the passage spliced last begins
    for (const spleissung& s : spleissungen) {
        if (s.stelle < frei && s.stelle + s.laenge <= frei) {
            jetzt.ersetzen(s.stelle, s.laenge, s.neu);
            frei = s.stelle;
        }
    }
}

std::vector<sicherungsangabe> profilformular::sicherungen() const {
    return sicherungenAuflisten(einstellungsdatei);
}

std::function<sicherungsvergleich(const std::string&)>
profilformular::sicherungsvergleicher() const {
    return [jetzt = dateiLesen(dateiname()),
            namen = feldnamenLesen(fenster_)](const std::string& sicherung) {
        return sicherungVergleichen(jetzt, dateiLesen(sicherung), namen);
    };
}

void profilformular::sicherungZurueckholen(const std::string& sicherung) {
    const std::string datei = dateiname();
    schreibbarPruefen(datei);
    const std::string alt = dateiLesen(sicherung);
    spleisstext text(dateiLesen(datei));
    sicherungsvergleich v = sicherungVergleichen(text.text(), alt, feldnamenLesen(fenster_));
    if (v.anders == 0) {
        v.zeilen.insert(v.zeilen.begin(), std::string(keineAenderung));
    }
    if (!fenster_.frageJaNein(
            std::string("Folgende Werte werden aus der Sicherung zurückgeholt:\r\n"_cp1252),
            v.zeilen)) {
        return;
    }
    const schreibergebnis ergebnis =
        gesichertErsetzen(datei, text, [&](spleisstext& t) { sicherungEinsetzen(t, alt); });
    lesen();
    fenster_.statusZeigen(schreibzeile(ergebnis));
}
