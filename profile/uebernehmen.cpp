#include "aenderungen.h"
#include "dateien.h"
#include "feldpruefung.h"
#include "festtext.h"
#include "gruppensuche.h"
#include "laufzeitfehler.h"
#include "profilformular.h"
#include "sicherung.h"
#include "spleisstext.h"
#include "textroutine.h"
#include "werteliste.h"

#include <ctime>
#include <vector>

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
// in front of the profile's name: for a vehicle the profile up to a little
// behind "</SpeedProfile>" and then its preference factors; for a route its
// passage up to the end of its preference factors. Searched and cut within
// the profile alone, so that it never shows another profile's text.
std::string bestaetigungspassage(std::string_view text, const profilbereich& bereich,
                                 profilart profil) {
    using namespace bestaetigung;
    const std::string_view imProfil = text.substr(0, bereich.ende);
    const auto s = static_cast<long long>(bereich.name - namensmarke.size());
    std::string passage;
    long long ab = s;
    if (profil == profilart::fahrzeug) {
        const long long e =
            suche(imProfil, profilende, s) + static_cast<long long>(profilendeZugabe);
        passage = stueck(imProfil, s, e - s);
        ab = suche(imProfil, faktoranfang, e);
    }
    const long long r = suche(imProfil, faktorende, ab) + static_cast<long long>(faktorendeZugabe);
    passage += stueck(imProfil, ab, r - ab);
    return passage;
}

// The pieces joined.
std::string verbunden(const std::vector<std::string_view>& stuecke) {
    std::size_t laenge = 0;
    for (std::string_view stueck : stuecke) {
        laenge += stueck.size();
    }
    std::string text;
    text.reserve(laenge);
    for (std::string_view stueck : stuecke) {
        text += stueck;
    }
    return text;
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

    // Every splice lies within the profile, behind its name: none can move
    // the name, and each moves the profile's end by the length it adds.
    profilbereich bereich = profilSuchen(text.text(), name);
    std::vector<std::string> aenderungen;
    for (const feldgruppe& gruppe : feldgruppen) {
        if (gruppe.profil != profil) {
            continue;
        }
        const teilstuecke teile =
            gruppeZerlegen(text.text(), bereich, name, gruppe, fenster_, zweck::schreiben);
        aenderungenNotieren(aenderungen, fenster_, gruppe, teile[1]);
        const std::string liste = verbinden(fenster_, gruppe.erstesFeld, gruppe.anzahl);
        bereich.ende = bereich.ende - teile[1].size() + liste.size();
        // The text before the value passage, the joined fields and the text
        // from the closing marker on, spliced in place: a new copy of the
        // text per group doubles the time of a large write.
        text.ersetzen(teile[0].size(), teile[1].size(), liste);
    }
    if (aenderungen.empty()) {
        aenderungen.emplace_back(keineAenderung);
    }

    const std::string passage = bestaetigungspassage(text.text(), bereich, profil);
    if (!fenster_.frageJaNein(std::string(frage) + passage, aenderungen)) {
        return;
    }
    // The copy is the text read above. Another program may have changed the
    // file while the question was open: the replace goes ahead only while
    // the file still holds exactly that text, so that the other program's
    // change is not overwritten and the copy is the file that was replaced.
    const std::vector<std::string_view> bisher = text.ursprung();
    sichern(einstellungsdatei, verbunden(bisher), std::time(nullptr));
    dateiErsetzen(datei, text.text(), bisher);
}
