#include "dateien.h"
#include "feldpruefung.h"
#include "festtext.h"
#include "laufzeitfehler.h"
#include "profilformular.h"
#include "spleisstext.h"
#include "textroutine.h"
#include "werteliste.h"
#include "zeichensatz.h"

namespace {

constexpr std::string_view frage = "Folgende Änderungen werden übernommen\r\n"_cp1252;

laufzeitfehler ungueltig(const std::string& einzelheit) {
    return laufzeitfehler(laufzeitfehler::ungueltigesArgument, einzelheit);
}

// The search of the confirmation cut: a start position of 0 (a previous
// search that found nothing) is an invalid argument.
long long suche(std::string_view text, std::string_view marke, long long ab) {
    if (ab < 1) {
        throw ungueltig("Suche ab Position " + std::to_string(ab));
    }
    return static_cast<long long>(finde(text, marke, static_cast<std::size_t>(ab)));
}

// `laenge` characters from the 1-based position `anfang` on, clipped at the
// end of the text.
std::string_view stueck(std::string_view text, long long anfang, long long laenge) {
    if (anfang < 1 || laenge < 0) {
        throw ungueltig("Ausschnitt ab " + std::to_string(anfang) + ", Länge " +
                        std::to_string(laenge));
    }
    const auto ab = static_cast<std::size_t>(anfang - 1);
    return ab >= text.size() ? std::string_view{}
                             : text.substr(ab, static_cast<std::size_t>(laenge));
}

// The part of the rewritten text shown for confirmation, from the "<Name>"
// in front of the profile's name at `namensstelle`: for a vehicle the
// profile up to a little behind "</SpeedProfile>" and then its preference
// factors; for a route its passage up to the end of its preference factors.
std::string bestaetigungspassage(std::string_view text, std::size_t namensstelle,
                                 profilart profil) {
    using namespace bestaetigung;
    const auto s = static_cast<long long>(namensstelle - namensmarke.size());
    std::string passage;
    long long ab = s;
    if (profil == profilart::fahrzeug) {
        const long long e = suche(text, profilende, s) + static_cast<long long>(profilendeZugabe);
        passage = stueck(text, s, e - s);
        ab = suche(text, faktoranfang, e);
    }
    const long long r = suche(text, faktorende, ab) + static_cast<long long>(faktorendeZugabe);
    passage += stueck(text, ab, r - ab);
    return passage;
}

std::string_view fehlendeMarke(const teilstuecke& teile, const feldgruppe& gruppe) {
    if (teile[1] == textroutine::such2Fehler) {
        return gruppe.such2;
    }
    if (teile[2] == textroutine::such3Fehler) {
        return gruppe.such3;
    }
    return gruppe.suchnach1;
}

} // namespace

void profilformular::fahrzeugUebernehmen() {
    uebernehmen(profilart::fahrzeug);
}

void profilformular::routeUebernehmen() {
    uebernehmen(profilart::route);
}

void profilformular::uebernehmen(profilart profil) {
    felderPruefen(fenster_, profil);
    const std::string_view name = gewaehltesProfil(profil, zweck::schreiben);
    const std::string datei = dateiname();
    spleisstext text(dateiLesen(datei));

    // Every splice starts behind the end of the profile's name, so none can
    // move it or put another in front of it: searched once, not once per
    // group.
    const std::size_t namensstelle = profilstelle(text.text(), name);
    if (namensstelle == 0) {
        throw ungueltig("kein Profil „" + nachUtf8(bestaetigung::namensmarke) + nachUtf8(name) +
                        "“ in der Datei, nichts wurde geschrieben");
    }
    const textroutine zerleger;
    for (const feldgruppe& gruppe : feldgruppen) {
        if (gruppe.profil != profil) {
            continue;
        }
        const teilstuecke teile = zerleger.zerlegeAb(text.text(), namensstelle, name, gruppe.such2,
                                                     gruppe.such3, gruppe.suchnach1, "", "");
        if (textroutine::istFehler(teile)) {
            // Splicing an error result would put its text into the file.
            throw ungueltig("„" + nachUtf8(fehlendeMarke(teile, gruppe)) + "“ hinter „" +
                            nachUtf8(name) + "“ nicht gefunden, für die Felder ab „" +
                            nachUtf8(fenster_.feldname(gruppe.erstesFeld)) +
                            "“, nichts wurde geschrieben");
        }
        // The text before the value passage, the joined fields and the text
        // from the closing marker on, spliced in place: a new copy of the
        // text per group doubles the time of a large write.
        text.ersetzen(teile[0].size(), teile[1].size(),
                      verbinden(fenster_, gruppe.erstesFeld, gruppe.anzahl));
    }

    const std::string passage = bestaetigungspassage(text.text(), namensstelle, profil);
    if (!fenster_.frageJaNein(std::string(frage) + passage)) {
        return;
    }
    // Another program may have changed the file while the question was open;
    // its change must not be overwritten with the text read before.
    dateiErsetzen(datei, text.text(), text.ursprung());
}
