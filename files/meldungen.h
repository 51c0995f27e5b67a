#pragma once

#include "laufzeitfehler.h"

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

// Every message the program can show, written once, in plain German: the
// first sentence says what happened, naming the file or the field; the
// second says what to do. An error adds its number and standard text on a
// line of its own ("Fehlernummer 13: Typen unverträglich"), so that the
// numbers stay searchable. "{name}" in a text stands for a value that the
// place raising the message supplies, in UTF-8.
enum class meldung {
    // The file layer.
    nameUngueltig,
    nichtGefunden,
    keinZugriff,
    zugriffsfehler,
    gesperrtLesen,
    gesperrtSpeichern,
    nichtZurueckgelegt,
    anderswoGeaendert,
    attributeFehlen,
    keinOrdner,
    // The fields.
    feldKeineZahl,
    feldZuGross,
    feldLeerSchreiben,
    feldTrennerSchreiben,
    feldKeineZahlSchreiben,
    feldZuGrossSchreiben,
    // The settings file and its profiles.
    pfaddateiLeer,
    nichtGeladen,
    profilFehltLaden,
    profilFehltSchreiben,
    markeFehltLaden,
    markeFehltSchreiben,
    zuWenigeTrenner,
    auswahlOhneProfil,
    schreibgeschuetzt,
    ordnerSchreibgeschuetzt,
    // Backups.
    sicherungUnmoeglich,
    sicherungOhneProfile,
    // The program itself.
    elementFehlt,
    speichermangel,
    intern,
    arbeitsordnerFehlt,
    // Notes and lines the window shows without a box, and its questions:
    // no number, and a line after a write is not a sentence.
    ordnerFehlt,
    dateiFehlt,
    dateiGefunden,
    nichtsGefunden,
    nichtsGefundenVorzeitig,
    gespeichert,
    nichtsGeaendert,
    verwerfen,
    frageUebernehmen,
    frageZurueckholen,
    keineAenderung,
};

struct meldungszeile {
    meldung art;
    int nummer; // the runtime error number; 0 for none
    std::string_view was;
    std::string_view tun; // empty for a line or a question
};

// clang-format off
inline constexpr std::array<meldungszeile, 43> meldungstabelle{{
    {meldung::nameUngueltig, laufzeitfehler::dateinameFalsch,
     "„{datei}“ kann kein Datei- oder Ordnername sein: {grund}.",
     "Bitte den Namen ohne dieses Zeichen eingeben."},
    {meldung::nichtGefunden, laufzeitfehler::dateiNichtGefunden,
     "„{datei}“ wurde nicht gefunden: {ursache}.",
     "Bitte prüfen, ob der Ordner stimmt und die Datei noch dort liegt."},
    {meldung::keinZugriff, laufzeitfehler::zugriffVerweigert,
     "Tamvoril darf nicht auf „{datei}“ zugreifen: {ursache}.",
     "Bitte prüfen, ob Sie „{datei}“ und den Ordner darüber lesen und ändern dürfen."},
    {meldung::zugriffsfehler, laufzeitfehler::pfadZugriffsfehler,
     "Der Zugriff auf „{datei}“ ist fehlgeschlagen: {ursache}.",
     "Bitte erneut versuchen; bleibt der Fehler, den Datenträger oder die Netzwerkverbindung prüfen."},
    {meldung::gesperrtLesen, laufzeitfehler::zugriffVerweigert,
     "„{datei}“ ist von einem anderen Programm geöffnet und gesperrt und wurde nicht gelesen.",
     "Bitte das andere Programm schließen und erneut versuchen."},
    {meldung::gesperrtSpeichern, laufzeitfehler::zugriffVerweigert,
     "„{datei}“ ist von einem anderen Programm geöffnet und gesperrt und blieb unverändert.",
     "Bitte das andere Programm schließen und erneut versuchen."},
    {meldung::nichtZurueckgelegt, laufzeitfehler::pfadZugriffsfehler,
     "„{datei}“ wurde nicht ersetzt, und die bisherige Fassung ließ sich nicht zurücklegen: sie liegt jetzt unter „{bisher}“.",
     "Bitte sie von Hand in „{datei}“ zurückbenennen."},
    {meldung::anderswoGeaendert, laufzeitfehler::pfadZugriffsfehler,
     "„{datei}“ wurde von einem anderen Programm geändert, während die Frage offen war; nichts wurde geschrieben.",
     "Bitte erneut übernehmen, dann gilt die geänderte Datei."},
    {meldung::attributeFehlen, laufzeitfehler::pfadZugriffsfehler,
     "Die erweiterten Attribute von „{datei}“, darunter die Zugriffsrechteliste, lassen sich nicht auf die neue Fassung übertragen ({ursache} bei „{attribut}“); die Datei blieb unverändert.",
     "Bitte die Attribute der Datei prüfen oder sie auf einem Datenträger ablegen, der sie kennt."},
    {meldung::keinOrdner, laufzeitfehler::pfadZugriffsfehler,
     "„{datei}“ ist kein Ordner.",
     "Bitte die Datei dieses Namens umbenennen, damit Tamvoril dort einen Ordner anlegen kann."},
    {meldung::feldKeineZahl, laufzeitfehler::typenUnvertraeglich,
     "Im Feld „{feld}“ steht „{text}“, und das ist keine Zahl.",
     "Bitte eine Zahl eintragen, etwa 0.85 oder 0,85; bis dahin bleiben die Ergebnisse stehen."},
    {meldung::feldZuGross, laufzeitfehler::ueberlauf,
     "Die Zahl im Feld „{feld}“ ist zu groß, um damit zu rechnen.",
     "Bitte eine kleinere Zahl eintragen; bis dahin bleiben die Ergebnisse stehen."},
    {meldung::feldLeerSchreiben, laufzeitfehler::typenUnvertraeglich,
     "Das Feld „{feld}“ ist leer; nichts wurde geschrieben.",
     "Bitte eine Zahl eintragen und erneut übernehmen."},
    {meldung::feldTrennerSchreiben, laufzeitfehler::typenUnvertraeglich,
     "Das Feld „{feld}“ enthält „{text}“ mit dem Zeichen „|“, das in der Datei die Werte trennt; nichts wurde geschrieben.",
     "Bitte nur eine Zahl eintragen und erneut übernehmen."},
    {meldung::feldKeineZahlSchreiben, laufzeitfehler::typenUnvertraeglich,
     "Das Feld „{feld}“ enthält „{text}“, und das ist keine Zahl; nichts wurde geschrieben.",
     "Bitte eine Zahl eintragen, etwa 0.85 oder 0,85, und erneut übernehmen."},
    {meldung::feldZuGrossSchreiben, laufzeitfehler::typenUnvertraeglich,
     "Die Zahl im Feld „{feld}“ ist zu groß; nichts wurde geschrieben.",
     "Bitte eine kleinere Zahl eintragen und erneut übernehmen."},
    {meldung::pfaddateiLeer, laufzeitfehler::hinterDateiende,
     "„{datei}“ ist leer und nennt keinen Ordner.",
     "Bitte mit „Pfad“ den Ordner wählen, in dem der Routenplaner seine Einstellungen speichert."},
    {meldung::nichtGeladen, laufzeitfehler::dateiNichtGefunden,
     "Es ist keine „{datei}“ geladen; nichts wurde geschrieben.",
     "Bitte zuerst mit „Pfad“ den Ordner wählen, in dem der Routenplaner seine Einstellungen speichert."},
    {meldung::profilFehltLaden, laufzeitfehler::ungueltigesArgument,
     "Die Einstellungsdatei enthält kein Profil „{profil}“; die Felder ab „{feld}“ bleiben leer.",
     "Bitte prüfen, ob der Ordner der richtige ist, oder eine Sicherung zurückholen."},
    {meldung::profilFehltSchreiben, laufzeitfehler::ungueltigesArgument,
     "Die Einstellungsdatei enthält kein Profil „{profil}“ für die Felder ab „{feld}“; nichts wurde geschrieben.",
     "Bitte prüfen, ob der Ordner der richtige ist, oder eine Sicherung zurückholen."},
    {meldung::markeFehltLaden, laufzeitfehler::ungueltigesArgument,
     "Im Profil „{profil}“ fehlt „{marke}“; die Felder ab „{feld}“ bleiben leer.",
     "Bitte die Einstellungsdatei prüfen oder eine Sicherung zurückholen."},
    {meldung::markeFehltSchreiben, laufzeitfehler::ungueltigesArgument,
     "Im Profil „{profil}“ fehlt „{marke}“ für die Felder ab „{feld}“; nichts wurde geschrieben.",
     "Bitte die Einstellungsdatei prüfen oder eine Sicherung zurückholen."},
    {meldung::zuWenigeTrenner, laufzeitfehler::ungueltigesArgument,
     "Die Werteliste für die Felder ab „{feld}“ hat zu wenige „|“; die übrigen Felder bleiben leer.",
     "Bitte die Einstellungsdatei prüfen oder eine Sicherung zurückholen."},
    {meldung::auswahlOhneProfil, laufzeitfehler::ungueltigesArgument,
     "Die Auswahl „{auswahl}“ nennt kein {art}; nichts wurde geschrieben.",
     "Bitte ein Profil mit einem der Knöpfe darunter wählen."},
    {meldung::schreibgeschuetzt, laufzeitfehler::zugriffVerweigert,
     "Die Datei „{datei}“ ist schreibgeschützt; nichts wurde geschrieben.",
     "Bitte den Schreibschutz der Datei aufheben (in ihren Eigenschaften) und noch einmal übernehmen."},
    {meldung::ordnerSchreibgeschuetzt, laufzeitfehler::zugriffVerweigert,
     "Im Ordner von „{datei}“ darf Tamvoril keine neue Datei anlegen, und ohne sie lässt sich die Datei nicht sicher ersetzen; nichts wurde geschrieben.",
     "Bitte prüfen, ob Sie in diesem Ordner Dateien anlegen dürfen."},
    {meldung::sicherungUnmoeglich, 0,
     "Vor dem Schreiben ließ sich keine Sicherungskopie anlegen, darum wurde nichts geschrieben.",
     "{ursache}"},
    {meldung::sicherungOhneProfile, laufzeitfehler::ungueltigesArgument,
     "Die gewählte Sicherung enthält keines der neun Geschwindigkeitsprofile, und aus ihr lässt sich nichts zurückholen.",
     "Bitte eine andere Sicherung wählen."},
    {meldung::elementFehlt, laufzeitfehler::elementFehlt,
     "Das Fenster hat kein Steuerelement „{element}“.",
     "Das ist ein Fehler im Programm; bitte ihn den Entwicklern melden."},
    {meldung::speichermangel, laufzeitfehler::speichermangel,
     "Für diese Aktion reicht der Arbeitsspeicher nicht.",
     "Bitte andere Programme schließen und erneut versuchen."},
    {meldung::intern, 0,
     "Ein interner Fehler hat die Aktion abgebrochen.",
     "Bitte erneut versuchen; bleibt der Fehler, ihn den Entwicklern melden."},
    {meldung::arbeitsordnerFehlt, 0,
     "Der Arbeitsordner „{ordner}“ lässt sich nicht anlegen oder öffnen, und „ini.txt“ und die Sicherungen landen im Ordner, in dem Tamvoril gestartet wurde.",
     "Bitte die Rechte des Ordners prüfen oder Tamvoril aus einem Ordner starten, in dem Sie schreiben dürfen."},
    {meldung::ordnerFehlt, 0,
     "Der Ordner „{ordner}“ existiert nicht.",
     "Bitte über „Pfad“ einen anderen Ordner wählen."},
    {meldung::dateiFehlt, 0,
     "Im Ordner „{ordner}“ liegt keine ApplicationSettings.xml.",
     "Bitte über „Pfad“ einen anderen Ordner wählen."},
    {meldung::dateiGefunden, 0,
     "Tamvoril hat die ApplicationSettings.xml in diesem Ordner gefunden.",
     "„Fertig“ übernimmt ihn."},
    {meldung::nichtsGefunden, 0,
     "Unter Ihrem Benutzerordner fand die Suche keine ApplicationSettings.xml mit Profilen.",
     "Bitte den Ordner von Hand oder mit dem Ordnersymbol wählen."},
    {meldung::nichtsGefundenVorzeitig, 0,
     "In den ersten 3 Sekunden fand die Suche keine ApplicationSettings.xml mit Profilen.",
     "Bitte den Ordner von Hand oder mit dem Ordnersymbol wählen."},
    {meldung::gespeichert, 0, "Gespeichert um {uhrzeit} – Sicherung: {sicherung}", ""},
    {meldung::nichtsGeaendert, 0, "Nichts geändert", ""},
    {meldung::verwerfen, 0, "Nicht übernommene Änderungen verwerfen?", ""},
    {meldung::frageUebernehmen, 0, "Folgende Änderungen werden übernommen", ""},
    {meldung::frageZurueckholen, 0, "Folgende Werte werden aus der Sicherung zurückgeholt:", ""},
    {meldung::keineAenderung, 0, "Keine Werte geändert.", ""},
}};
// clang-format on

using meldungswerte = std::initializer_list<std::pair<std::string_view, std::string>>;

// The row of `m`.
const meldungszeile& meldungszeileVon(meldung m);

// The message's text with each "{name}" replaced by its value.
std::string meldungstext(meldung m, meldungswerte werte);

// The same in Windows-1252, for the question's text, which the window takes
// as the settings text's bytes; every message's characters are in it.
std::string meldungstextCp1252(meldung m, meldungswerte werte);

// The message as the error to raise, with the row's number, or with
// `nummer` where the cause decides it (a row whose number is 0 takes that
// of the error it wraps).
laufzeitfehler meldungsfehler(meldung m, meldungswerte werte, int nummer = 0);
