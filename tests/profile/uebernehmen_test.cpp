#include "arbeitsordner.h"
#include "dateien.h"
#include "ergebnisse.h"
#include "fehlernummer.h"
#include "festtext.h"
#include "meldungen.h"
#include "profilformular.h"
#include "sicherung.h"
#include "speicherablage.h"
#include "zeichensatz.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <vector>
#ifndef _WIN32
#include "niemand.h"
#endif

namespace {

namespace fs = std::filesystem;
using namespace std::string_view_literals;

const std::string frage(("Folgende Änderungen werden übernommen\r\n"_cp1252));

class uebernehmen : public arbeitsordner {
  protected:
    // Loads the given text for the given selection.
    void laden(const std::string& text, const std::string& fahrzeug = "PKW schnell",
               const std::string& route = "Schnelle") {
        datei_ = einstellungen(text);
        fenster_.beschriftungen = {fahrzeug, route};
        formular_.lesen();
    }

    std::string ersetzt(std::string text, const std::string& alt, const std::string& neu) {
        const auto stelle = text.find(alt);
        EXPECT_NE(stelle, std::string::npos) << alt;
        return text.replace(stelle, alt.size(), neu);
    }

    // A second name for the file as it is now; a replace leaves the file's
    // name alone with the new file, a rewrite in place would not.
    void zweitnameAnlegen() {
        fs::remove(ordner_ / "zweitname");
        fs::create_hard_link(datei_, ordner_ / "zweitname");
    }

    fs::path datei_;
    speicherablage fenster_;
    profilformular formular_{fenster_};
};

// Yes right after the load changes nothing: the file is neither replaced
// nor touched, no copy is kept, and the line says so.
TEST_F(uebernehmen, jaDirektNachDemLadenSchreibtNichts) {
    std::string text = demotext();
    std::string alleBytes;
    for (int b = 1; b < 256; ++b) {
        alleBytes += static_cast<char>(b);
    }
    text.insert(text.find("  <VehicleProfiles>"), "<!--" + alleBytes + "-->\r\n");
    text += std::string("\0\xFF\n", 3);
    for (const char* fahrzeug : {"PKW schnell", "PKW normal", "PKW langs.", "Motorrad", "LKW"}) {
        for (const std::string_view route :
             {"Schnelle"sv, "Optimale"sv, "Kurze"sv, "Schöne"_cp1252}) {
            laden(text, fahrzeug, std::string(route));
            const auto zeit = fs::last_write_time(datei_) - std::chrono::hours(1);
            fs::last_write_time(datei_, zeit);
            fenster_.fragen.clear();
            for (auto schreiber :
                 {&profilformular::fahrzeugUebernehmen, &profilformular::routeUebernehmen}) {
                zweitnameAnlegen();
                fenster_.status.clear();
                (formular_.*schreiber)();
#ifndef _WIN32
                // Wine counts no links: there the time says it.
                EXPECT_EQ(fs::hard_link_count(datei_), 2u) << "nothing was written";
#endif
                EXPECT_EQ(lesen(datei_), text) << fahrzeug << " / " << route;
                EXPECT_EQ(fs::last_write_time(datei_), zeit);
                EXPECT_EQ(fenster_.status, "Nichts geändert");
            }
            EXPECT_EQ(fenster_.fragen.size(), 2u) << fahrzeug << " / " << route;
            EXPECT_TRUE(!fs::exists(sicherungsordner) || fs::is_empty(sicherungsordner))
                << "no copy";
        }
    }
}

// "Ja" with nothing changed touches nothing beside the file either: no
// "Sicherungen" is made, and one that could take no copy stops nothing.
// The restore of a backup equal to the file is the same.
TEST_F(uebernehmen, unveraendertBrauchtKeineSicherung) {
    laden(demotext());
    formular_.fahrzeugUebernehmen();
    EXPECT_EQ(fenster_.status, "Nichts geändert");
    EXPECT_FALSE(fs::exists(sicherungsordner)) << "a backup folder made for no write";
    schreiben("gleich.xml", demotext());
    formular_.sicherungZurueckholen("gleich.xml");
    EXPECT_EQ(fenster_.status, "Nichts geändert");
    EXPECT_FALSE(fs::exists(sicherungsordner)) << "a backup folder made for no restore";

    fs::remove_all(sicherungsordner);
    schreiben(fs::path(sicherungsordner), "eine Datei, kein Ordner");
    for (const std::function<void()>& schreiber :
         {std::function<void()>([&] { formular_.fahrzeugUebernehmen(); }),
          std::function<void()>([&] { formular_.routeUebernehmen(); }),
          std::function<void()>([&] { formular_.sicherungZurueckholen("gleich.xml"); })}) {
        fenster_.status.clear();
        EXPECT_EQ(fehlernummer(schreiber), 0) << "a write of nothing refused for its backup";
        EXPECT_EQ(fenster_.status, "Nichts geändert");
    }
    EXPECT_EQ(lesen(datei_), demotext());
}

// The questions of the writers and of the restore, and the line for no
// change, are in the one table of messages.
TEST_F(uebernehmen, fragenStehenInDerMeldungstabelle) {
    laden(demotext());
    formular_.fahrzeugUebernehmen();
    schreiben("gleich.xml", demotext());
    formular_.sicherungZurueckholen("gleich.xml");
    ASSERT_EQ(fenster_.fragen.size(), 2u);
    // The questions are Windows-1252, the list's lines UTF-8.
    const auto inTabelle = [](const std::string& text) {
        return std::ranges::any_of(meldungstabelle, [&](const meldungszeile& z) {
            return meldungstext(z.art, {}) == text;
        });
    };
    for (const std::string& frage : fenster_.fragen) {
        const std::string zeile = nachUtf8(frage.substr(0, frage.find("\r\n")));
        EXPECT_TRUE(inTabelle(zeile)) << zeile;
    }
    EXPECT_TRUE(inTabelle(fenster_.listen[0].at(0))) << fenster_.listen[0].at(0);
}

// A field that does not read as a number stops the writer before the
// question; the first such field in writing order is named. An emptied
// factor stays so when left.
TEST_F(uebernehmen, keineZahlWirdNichtGeschrieben) {
    const struct {
        std::int16_t feld;
        std::string text;
        int spaeter; // a field written after it, also wrong
        bool verlassen = false;
    } faelle[] = {{20, "- - - -", 0}, {28, "", 0},         {0, "abc", 16},    {8, "1|2", 19},
                  {18, "1,2,3", 19},  {44, "1E999", 52},   {56, "0.8|x", 56}, {52, "1.0.0", 56},
                  {3, "", 16, true},  {48, "  ", 56, true}};
    for (const auto& fall : faelle) {
        laden(demotext());
        fenster_.felder[fall.spaeter] = "auch falsch";
        fenster_.felder[fall.feld] = fall.text;
        if (fall.verlassen) {
            (void)fehlernummer([&] { feldVerlassen(fenster_, fall.feld); });
        }
        const bool fahrzeug = fall.feld < 36;
        try {
            fahrzeug ? formular_.fahrzeugUebernehmen() : formular_.routeUebernehmen();
            ADD_FAILURE() << fall.text << " written";
        } catch (const laufzeitfehler& f) {
            EXPECT_EQ(f.nummer(), 13);
            EXPECT_NE(f.beschreibung().find("Text1(" + std::to_string(fall.feld) + ")"),
                      std::string::npos)
                << f.beschreibung();
            // The text as typed, where there is one to quote.
            const bool zitiert =
                fall.text.find_first_not_of(' ') != std::string::npos && fall.text != "1E999";
            EXPECT_EQ(f.beschreibung().find("„" + fall.text + "“") != std::string::npos, zitiert)
                << f.beschreibung();
        }
        EXPECT_TRUE(fenster_.fragen.empty()) << fall.text;
        EXPECT_EQ(lesen(datei_), demotext()) << fall.text;
    }
    laden(demotext());
    fenster_.felder[56] = "  0.5  ";
    formular_.routeUebernehmen();
    EXPECT_NE(lesen(datei_).find("<Value>  0.5  </Value>"), std::string::npos);
}

// Closing would lose what the fields show beyond the last load and the
// halves written since; a text typed back is no edit.
TEST_F(uebernehmen, bearbeitetIstWasWederGeladenNochGeschriebenIst) {
    laden(demotext());
    EXPECT_FALSE(formular_.bearbeitet());
    fenster_.felder[3] = "1.5";
    EXPECT_TRUE(formular_.bearbeitet());
    fenster_.felder[3] = "0.85";
    EXPECT_FALSE(formular_.bearbeitet());

    fenster_.felder[3] = "1.5";
    fenster_.felder[40] = "2.0";
    fenster_.antwort = false;
    formular_.fahrzeugUebernehmen();
    fenster_.felder[40] = "0.8";
    EXPECT_TRUE(formular_.bearbeitet()) << "the vehicle was not written";
    fenster_.antwort = true;
    formular_.fahrzeugUebernehmen();
    EXPECT_FALSE(formular_.bearbeitet());

    fenster_.felder[40] = "2.0";
    formular_.lesen();
    EXPECT_FALSE(formular_.bearbeitet());
}

// Leaving a field only tidies what the file held ("1" gets ".0"): nothing
// was typed, so closing has no edit to ask about.
TEST_F(uebernehmen, verlassenOhneTippenIstKeineBearbeitung) {
    std::string text = demotext();
    text.replace(text.find("<Value>1.0<"), 11, "<Value>1<");
    laden(text);
    feldVerlassen(fenster_, 56);
    EXPECT_FALSE(formular_.bearbeitet()) << fenster_.felder[56];
}

// Another program changes the file while the question is open: Yes then
// writes nothing, and the other program's text stays. The backup folder,
// already holding the 20 copies kept, stays as it was.
TEST_F(uebernehmen, aenderungWaehrendDerFrageGehtNichtVerloren) {
    std::set<std::string> kopien;
    for (int i = 0; i < 20; ++i) {
        kopien.insert(sichern(profilformular::einstellungsdatei, "alt", 86400 * i));
    }
    const std::string gleichLang = ersetzt(demotext(), "<City>80|", "<City>81|");
    const struct {
        const char* wie;
        std::function<void()> aendern;
        std::string danach;
    } faelle[] = {
        {"in place, same size", [&] { schreiben(datei_, gleichLang); }, gleichLang},
        {"renamed over it",
         [&] {
             schreiben(ordner_ / "neu.xml", "ganz anders");
             fs::rename(ordner_ / "neu.xml", datei_);
         },
         "ganz anders"},
        {"removed", [&] { fs::remove(datei_); }, ""},
    };
    for (const auto& fall : faelle) {
        laden(demotext());
        fenster_.felder[0] = "0.5";
        fenster_.waehrendDerFrage = fall.aendern;
        EXPECT_EQ(fehlernummer([&] { formular_.fahrzeugUebernehmen(); }), 75) << fall.wie;
        EXPECT_EQ(lesen(datei_), fall.danach) << fall.wie;
        std::set<std::string> danach;
        for (const auto& eintrag : fs::directory_iterator(sicherungsordner)) {
            danach.insert(std::string(sicherungsordner) + pfadtrenner +
                          eintrag.path().filename().string());
        }
        EXPECT_EQ(danach, kopien) << fall.wie;
        fenster_.waehrendDerFrage = nullptr;
    }
    for (const auto& eintrag : fs::directory_iterator(datei_.parent_path())) {
        EXPECT_EQ(eintrag.path(), datei_) << "no temporary file is left behind";
    }
}

TEST_F(uebernehmen, neinLaesstDieDateiUnberuehrt) {
    laden(demotext());
    fenster_.felder[3] = "0.1";
    fenster_.felder[40] = "0.1";
    fenster_.antwort = false;
    formular_.fahrzeugUebernehmen();
    formular_.routeUebernehmen();
    EXPECT_EQ(lesen(datei_), demotext());
    EXPECT_EQ(fenster_.fragen.size(), 2u);
    EXPECT_EQ(fenster_.felder[3], "0.1");
    EXPECT_FALSE(fs::exists(sicherungsordner)) << "no copy without a write";
}

// A group that the chosen profile lacks stops the write, even where the
// profile behind it has one: nothing is written, the other profile's bytes
// included.
TEST_F(uebernehmen, eineGruppeDieDemProfilFehltSchreibtNichts) {
    const std::string fahrzeugOhne = ersetzt(demotext(), "<Special>1.0|1.0|0.8|1.2</Special>", "");
    const std::string routeOhne = ersetzt(demotext(), "<Value>1.0</Value>", "");
    const std::string ohneProfil = ersetzt(demotext(), "<Name>Car Fast<", "<Title>Car Fast<");
    // The speeds' "</City>" missing: their passage would run over the
    // preference factors' and cut them out.
    const std::string ohneSchluss = ersetzt(demotext(), "20|15</City>", "20|15");
    const struct {
        const std::string& text;
        void (profilformular::*schreiber)();
        const char* marke;
    } faelle[] = {
        {fahrzeugOhne, &profilformular::fahrzeugUebernehmen,
         "Im Profil „Car Fast“ fehlt „<Special>“"},
        {routeOhne, &profilformular::routeUebernehmen, "Im Profil „Fastest“ fehlt „<Value>“"},
        {ohneProfil, &profilformular::fahrzeugUebernehmen,
         "Die Einstellungsdatei enthält kein Profil „Car Fast“ für die Felder ab „Text1(20)“; "
         "nichts wurde geschrieben."},
        {ohneSchluss, &profilformular::fahrzeugUebernehmen,
         "Im Profil „Car Fast“ fehlt „<City>…</City>“ für die Felder ab „Text1(20)“"},
    };
    for (const auto& fall : faelle) {
        laden(demotext());
        schreiben(datei_, fall.text);
        try {
            (formular_.*fall.schreiber)();
            ADD_FAILURE() << fall.marke << ": geschrieben";
        } catch (const laufzeitfehler& f) {
            EXPECT_EQ(f.nummer(), 5);
            EXPECT_NE(f.beschreibung().find(fall.marke), std::string::npos) << f.beschreibung();
        }
        EXPECT_TRUE(fenster_.fragen.empty());
        EXPECT_EQ(lesen(datei_), fall.text);
    }
}

// The list below the question: each field whose text differs from the file
// as read when applying, in writing order.
TEST_F(uebernehmen, dieFrageListetDieAenderungen) {
    using liste = std::vector<std::string>;
    const auto gefragt = [&](const std::string& datei, void (profilformular::*schreiber)()) {
        schreiben(datei_, datei);
        fenster_.listen.clear();
        (formular_.*schreiber)();
        return fenster_.listen.at(0);
    };
    laden(demotext());
    fenster_.antwort = false;
    fenster_.felder[19] = "1.5";
    fenster_.felder[20] = "85";
    EXPECT_EQ(gefragt(demotext(), &profilformular::fahrzeugUebernehmen),
              (liste{"Text1(20): 80 → 85", "Text1(19): 1.2 → 1.5"}));
    EXPECT_EQ(gefragt(demotext(), &profilformular::routeUebernehmen),
              liste{"Keine Werte geändert."});
    // Changed by another program since the load; the route value shows too.
    const std::string anders =
        ersetzt(ersetzt(demotext(), "<City>1.2|", "<City>1.25|"), "<Value>1.0<", "<Value>0.7<");
    EXPECT_EQ(gefragt(anders, &profilformular::routeUebernehmen),
              (liste{"Text1(36): 1.25 → 1.2", "Text1(56): 0.7 → 1.0"}));
    // One value too few, one too many, one too long to show whole.
    const std::string kaputt =
        ersetzt(ersetzt(ersetzt(demotext(), "0.8|0.6|0.4|0.5<", "0.8|0.6|0.4<"),
                        "<Special>1.0|1.0|1.0|1.0<", "<Special>1.0|1.0|1.0|1.0|9<"),
                "<Value>1.0<", "<Value>" + std::string(45, '7') + "<");
    EXPECT_EQ(gefragt(kaputt, &profilformular::routeUebernehmen),
              (liste{"Text1(43): (fehlt) → 0.5", "Text1(55): 1.0|9 → 1.0",
                     "Text1(56): " + std::string(40, '7') + " … (45 Zeichen) → 1.0"}));
}

// After Yes the file as it was goes into Sicherungen/ in the working
// directory before it is replaced; a copy that cannot be made stops the
// write.
TEST_F(uebernehmen, vorDemSchreibenWirdDieDateiGesichert) {
    laden(demotext());
    fenster_.felder[0] = "0.5";
    formular_.fahrzeugUebernehmen();
    const std::vector<fs::directory_entry> kopien(fs::directory_iterator(sicherungsordner), {});
    ASSERT_EQ(kopien.size(), 1u);
    EXPECT_EQ(lesen(kopien[0].path()), demotext());
    EXPECT_NE(lesen(datei_), demotext());
    // The line names the copy and the time in its name.
    const std::string name = kopien[0].path().filename().string();
    std::string uhrzeit = name.substr(31, 8);
    std::ranges::replace(uhrzeit, '-', ':');
    EXPECT_EQ(fenster_.status, "Gespeichert um " + uhrzeit + " – Sicherung: " + name);

    fs::remove_all(sicherungsordner);
    schreiben(fs::path(sicherungsordner), "eine Datei, kein Ordner");
    const std::string vorher = lesen(datei_);
    fenster_.felder[0] = "0.25";
    try {
        formular_.fahrzeugUebernehmen();
        ADD_FAILURE() << "geschrieben";
    } catch (const laufzeitfehler& f) {
        EXPECT_TRUE(f.beschreibung().starts_with(
            "Vor dem Schreiben ließ sich keine Sicherungskopie anlegen, darum wurde nichts "
            "geschrieben. „Sicherungen“ ist kein Ordner."))
            << f.beschreibung();
    }
    EXPECT_EQ(lesen(datei_), vorher);
}

#ifndef _WIN32
// A copy that cannot be written into a "Sicherungen" that takes no file
// stops the write, and the settings file stays as it was. Root may write
// anywhere, so the write runs as "nobody", who may replace the file.
TEST_F(uebernehmen, kopieOhneSchreibrechtSchreibtNichts) {
    laden(demotext());
    fenster_.felder[0] = "0.5";
    fs::create_directory(sicherungsordner);
    fs::permissions(sicherungsordner,
                    fs::perms::all & ~(fs::perms::owner_write | fs::perms::group_write |
                                       fs::perms::others_write));
    fs::permissions(ordner_ / "daten", fs::perms::all);
    fs::permissions(datei_, fs::perms::all & ~(fs::perms::owner_exec | fs::perms::group_exec |
                                               fs::perms::others_exec));
    EXPECT_EQ(alsNiemandAusfuehren(
                  [&] { return fehlernummer([&] { formular_.fahrzeugUebernehmen(); }); }),
              70);
    EXPECT_EQ(lesen(datei_), demotext());
}
#endif

TEST_F(uebernehmen, fahrzeugSchreibtNurDieFahrzeuggruppen) {
    laden(demotext(), "LKW", "Kurze");
    fenster_.felder[20] = "65";   // town speed, road class 0
    fenster_.felder[3] = "0.85";  // town factor, road class 3
    fenster_.felder[19] = " 1,5"; // reads as a number: written as it stands
    fenster_.felder[36] = "2.0";  // route field: not written by this run
    formular_.fahrzeugUebernehmen();

    std::string erwartet = demotext();
    erwartet = ersetzt(erwartet, "<City>60|60|50|45|45|25|10|10</City>",
                       "<City>65|60|50|45|45|25|10|10</City>");
    erwartet = ersetzt(erwartet, "<City>1.0|1.0|0.9|0.8|0.7|0.5|0.2|0.3</City>",
                       "<City>1.0|1.0|0.9|0.85|0.7|0.5|0.2|0.3</City>");
    erwartet = ersetzt(erwartet, "<Special>0.8|1.0|0.6|0.9</Special>",
                       "<Special>0.8|1.0|0.6| 1,5</Special>");
    EXPECT_EQ(lesen(datei_), erwartet);
    EXPECT_EQ(fenster_.felder[36], "2.0") << "the window is not reloaded";
}

TEST_F(uebernehmen, routeSchreibtNurDieRoutengruppen) {
    laden(demotext(), "Motorrad", "Optimale");
    fenster_.felder[51] = "0.45";
    fenster_.felder[55] = "1.1";
    fenster_.felder[56] = "0.75";
    fenster_.felder[20] = "999";
    formular_.routeUebernehmen();

    std::string erwartet = demotext();
    erwartet = ersetzt(erwartet, "<Open>1.15|1.1|1.05|0.95|0.9|0.7|0.5|0.4</Open>",
                       "<Open>1.15|1.1|1.05|0.95|0.9|0.7|0.5|0.45</Open>");
    erwartet = ersetzt(erwartet,
                       "<Special>1.0|1.0|0.9|1.0</Special>\r\n      </PreferenceFactor>\r\n"
                       "      <Value>0.8</Value>",
                       "<Special>1.0|1.0|0.9|1.1</Special>\r\n      </PreferenceFactor>\r\n"
                       "      <Value>0.75</Value>");
    EXPECT_EQ(lesen(datei_), erwartet);
}

TEST_F(uebernehmen, bestaetigungZeigtDenNeuenAusschnitt) {
    laden(demotext());
    fenster_.felder[0] = "1.5";
    fenster_.felder[36] = "0.25";
    fenster_.antwort = false;
    formular_.fahrzeugUebernehmen();
    formular_.routeUebernehmen();
    ASSERT_EQ(fenster_.fragen.size(), 2u);
    EXPECT_EQ(fenster_.fragen[0], frage +
                                      "<Name>Car Fast</Name>\r\n"
                                      "      <SpeedProfile>\r\n"
                                      "        <City>80|70|50|50|50|30|20|15</City>\r\n"
                                      "        <Open>130|110|100|90|60|50|25|20</Open>\r\n"
                                      "      </SpeedProfile>\r\n   "
                                      "<PreferenceFactor>\r\n"
                                      "        <City>1.5|0.95|0.9|0.85|0.7|0.6|0.4|0.5</City>\r\n"
                                      "        <Open>1.0|0.95|0.9|0.85|0.7|0.6|0.4|0.3</Open>\r\n"
                                      "      </PreferenceFactor");
    EXPECT_EQ(fenster_.fragen[1], frage +
                                      "<Name>Fastest</Name>\r\n"
                                      "      <PreferenceFactor>\r\n"
                                      "        <City>0.25|1.1|1.0|0.9|0.8|0.6|0.4|0.5</City>\r\n"
                                      "        <Open>1.3|1.2|1.1|0.9|0.8|0.6|0.4|0.3</Open>\r\n"
                                      "        <Special>1.0|1.0|1.0|1.0</Special>\r\n"
                                      "      </PreferenceFactor");
}

TEST_F(uebernehmen, routenausschnittBisZumTextende) {
    const std::string text = "<Name>Car Fast<City>1</City><Open>2</Open><PreferenceFactor>"
                             "<City>3</City><Open>4</Open></PreferenceFactor><Special>5</Special>"
                             "<Name>Fastest<Value>6</Value><PreferenceFactor><City>7</City>"
                             "<Open>8</Open><Special>9</Special></PreferenceFactor";
    datei_ = einstellungen(text);
    EXPECT_EQ(fehlernummer([&] { formular_.lesen(); }), 5) << "one value for eight fields";
    EXPECT_EQ(fehlernummer([&] { formular_.routeUebernehmen(); }), 13) << "placeholders left";
    EXPECT_TRUE(fenster_.fragen.empty());
    EXPECT_EQ(lesen(datei_), text);

    for (int i = 36; i <= 56; ++i) {
        fenster_.felder[i] = std::to_string(i);
    }
    formular_.routeUebernehmen();
    ASSERT_EQ(fenster_.fragen.size(), 1u);
    const std::string erwartet = text.substr(0, text.find("<Name>Fastest")) +
                                 "<Name>Fastest<Value>56</Value><PreferenceFactor><City>"
                                 "36|37|38|39|40|41|42|43</City><Open>44|45|46|47|48|49|50|51"
                                 "</Open><Special>52|53|54|55</Special></PreferenceFactor";
    EXPECT_EQ(fenster_.fragen[0], frage + erwartet.substr(erwartet.find("<Name>Fastest")));
    EXPECT_EQ(lesen(datei_), erwartet);
}

// The passage shown only shows. Where its markers are missing or out of
// place, as in a compact file where the 20 characters behind
// "</SpeedProfile>" reach past "<PreferenceFactor", the question shows the
// profile from its "<Name>" on, at most 2,000 characters, and Yes writes.
// Only a missing profile or group stops a write before the question.
TEST_F(uebernehmen, derAusschnittHaeltKeinenSchreibvorgangAuf) {
    const std::string eins = "|1|1|1|1|1|1|1<";
    const auto fahrzeug = [&](const std::string& erster) {
        return "<Name>Car Fast</Name><SpeedProfile><City>" + erster + eins + "/City><Open>1" +
               eins + "/Open></SpeedProfile><PreferenceFactor><City>1" + eins + "/City><Open>1" +
               eins + "/Open></PreferenceFactor><Special>1|1|1|1</Special>";
    };
    const auto route = [&](const std::string& erster) {
        return "<Name>Fastest</Name><PreferenceFactor><City>" + erster + eins + "/City><Open>1" +
               eins + "/Open><Special>1|1|1|1</Special></Preference><Value>1</Value>";
    };
    const std::string leer(3000, ' ');
    const auto f = &profilformular::fahrzeugUebernehmen;
    const auto r = &profilformular::routeUebernehmen;
    const struct {
        std::string text;
        void (profilformular::*schreiber)();
        std::string gezeigt; // empty: refused
        std::string geschrieben;
    } faelle[] = {
        {"<Title>Car Fast</Title>" + fahrzeug("81").substr(21), f, "", ""},
        {"<S>" + fahrzeug("81") + route("0.5") + "</S>", f, fahrzeug("85"),
         "<S>" + fahrzeug("85") + route("0.5") + "</S>"},
        {fahrzeug("81") + leer + route("0.5"), f, (fahrzeug("85") + leer).substr(0, 2000),
         fahrzeug("85") + leer + route("0.5")},
        {"<Settings>\r\n" + route("0.5"), r, route("0.25"), "<Settings>\r\n" + route("0.25")},
        // The profile at the very top: no passage cut from a position of 0.
        {route("0.5"), r, route("0.25"), route("0.25")},
    };
    for (const auto& fall : faelle) {
        datei_ = einstellungen(fall.text);
        (void)fehlernummer([&] { formular_.lesen(); });
        fenster_.felder.fill("1");
        fenster_.felder[20] = "85";
        fenster_.felder[36] = "0.25";
        fenster_.fragen.clear();
        EXPECT_EQ(fehlernummer([&] { (formular_.*fall.schreiber)(); }),
                  fall.gezeigt.empty() ? 5 : 0)
            << fall.text.substr(0, 40);
        if (fall.gezeigt.empty()) {
            EXPECT_TRUE(fenster_.fragen.empty());
            EXPECT_EQ(lesen(datei_), fall.text);
        } else {
            EXPECT_EQ(fenster_.fragen, std::vector{frage + fall.gezeigt});
            EXPECT_EQ(lesen(datei_), fall.geschrieben);
        }
    }
}

TEST_F(uebernehmen, fehlendeMarkeBeimSchreibenNenntGruppeUndMarke) {
    std::string text = demotext();
    laden(text, "LKW");
    for (auto stelle = text.find("<Special>"); stelle != std::string::npos;
         stelle = text.find("<Special>")) {
        text.replace(stelle, 9, "<Spezial>");
    }
    schreiben(datei_, text);
    try {
        formular_.fahrzeugUebernehmen();
        ADD_FAILURE() << "geschrieben";
    } catch (const laufzeitfehler& f) {
        EXPECT_EQ(f.nummer(), 5);
        EXPECT_NE(f.beschreibung().find("Text1(16)"), std::string::npos) << f.beschreibung();
        EXPECT_NE(f.beschreibung().find("<Special>"), std::string::npos) << f.beschreibung();
    }
    EXPECT_TRUE(fenster_.fragen.empty());
    EXPECT_EQ(lesen(datei_), text);
}

// The profile stands behind "<Name>" and its whole name: its name mentioned
// in front of it, or a profile with a longer name, is neither loaded nor
// written, and the question shows the passage written.
TEST_F(uebernehmen, geladenGeschriebenUndGezeigtWirdDasselbeProfil) {
    for (const std::string davor :
         {"<Zuletzt>Car Fast<City>1|2|3|4|5|6|7|8</City></Zuletzt>\r\n",
          "<Name>Car Fast 2</Name><SpeedProfile><City>1|2|3|4|5|6|7|8</City><Open>1|2|3|4|5|6|7|8"
          "</Open></SpeedProfile><PreferenceFactor><City>1|2|3|4|5|6|7|8</City><Open>1|2|3|4|5|6|"
          "7|8</Open></PreferenceFactor><Special>1|2|3|4</Special>\r\n"}) {
        const std::string text = davor + demotext();
        laden(text);
        EXPECT_EQ(fenster_.felder[20], "80");
        fenster_.felder[20] = "85";
        fenster_.fragen.clear();
        formular_.fahrzeugUebernehmen();
        ASSERT_EQ(fenster_.fragen.size(), 1u);
        EXPECT_TRUE(fenster_.fragen[0].starts_with(frage + "<Name>Car Fast</Name>"));
        EXPECT_NE(fenster_.fragen[0].find("<City>85|70|"), std::string::npos);
        EXPECT_EQ(lesen(datei_), ersetzt(text, "<City>80|70|", "<City>85|70|")) << davor;
    }
}

// A load shows the first profile for a caption that names none; a write
// must not guess and writes nothing.
TEST_F(uebernehmen, unbekannteAuswahlSchreibtNichts) {
    laden(demotext(), "Bus", "Weite");
    EXPECT_EQ(fenster_.felder[20], "80");
    for (auto schreiber :
         {&profilformular::fahrzeugUebernehmen, &profilformular::routeUebernehmen}) {
        EXPECT_EQ(fehlernummer([&] { (formular_.*schreiber)(); }), 5);
    }
    EXPECT_TRUE(fenster_.fragen.empty());
    EXPECT_EQ(lesen(datei_), demotext());
}

TEST_F(uebernehmen, routenSpecialsWerdenDortGeschriebenWoSieGelesenWurden) {
    std::string text = demotext();
    text = ersetzt(text, "<Name>Fastest</Name>", "<Name>Fastest</Name><Special>alt</Special>");
    laden(text);
    EXPECT_EQ(fenster_.felder[52], "1.0");
    fenster_.felder[52] = "0.3";
    formular_.routeUebernehmen();
    EXPECT_EQ(lesen(datei_), ersetzt(text, "<Special>1.0|1.0|1.0|1.0</Special>\r\n      </Pref",
                                     "<Special>0.3|1.0|1.0|1.0</Special>\r\n      </Pref"));
}

TEST_F(uebernehmen, fehlendeDatei) {
    laden(demotext());
    fs::remove(datei_);
    EXPECT_EQ(fehlernummer([&] { formular_.fahrzeugUebernehmen(); }), 53);
    EXPECT_FALSE(fs::exists(datei_));
}

// Without a settings file read at the last load from the folder in
// "ini.txt", neither writer writes: not the file in the working directory,
// not the one an earlier load read.
TEST_F(uebernehmen, ohneGeladeneDateiWirdNichtsGeschrieben) {
    schreiben("ApplicationSettings.xml", demotext());
    for (const bool frueherGeladen : {false, true}) {
        if (frueherGeladen) {
            laden(demotext());
            schreiben("ini.txt", ""); // the next load fails
        }
        (void)fehlernummer([&] { formular_.lesen(); });
        fenster_.felder.fill("1");
        for (auto schreiber :
             {&profilformular::fahrzeugUebernehmen, &profilformular::routeUebernehmen}) {
            try {
                (formular_.*schreiber)();
                ADD_FAILURE() << frueherGeladen;
            } catch (const laufzeitfehler& f) {
                EXPECT_EQ(f.nummer(), 53);
                EXPECT_NE(f.beschreibung().find("keine „ApplicationSettings.xml“ geladen"),
                          std::string::npos)
                    << f.beschreibung();
            }
        }
        EXPECT_TRUE(fenster_.fragen.empty());
        EXPECT_FALSE(fs::exists(sicherungsordner));
        EXPECT_EQ(lesen("ApplicationSettings.xml"), demotext());
    }
    EXPECT_EQ(lesen(datei_), demotext());
}

// A read-only file is refused before anything is asked, by the writers and
// by taking a backup back.
TEST_F(uebernehmen, schreibgeschuetzteDateiBleibtUnberuehrt) {
    laden(demotext());
    fenster_.felder[0] = "0.5";
    fs::permissions(datei_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    for (const std::function<void()>& schreiber :
         {std::function<void()>([&] { formular_.fahrzeugUebernehmen(); }),
          std::function<void()>([&] { formular_.routeUebernehmen(); }),
          std::function<void()>([&] { formular_.sicherungZurueckholen("keine Sicherung"); })}) {
        EXPECT_EQ(fehlernummer(schreiber), 70);
    }
    EXPECT_TRUE(fenster_.fragen.empty());
    EXPECT_EQ(lesen(datei_), demotext());
    EXPECT_EQ(fs::status(datei_).permissions(),
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

// A write that changes no value and is refused keeps no copy either:
// that the file still holds the text to be written does not mean it was
// written.
TEST_F(uebernehmen, unveraendertVerweigertBleibtOhneKopie) {
    laden(demotext());
    fs::permissions(datei_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(fehlernummer([&] { formular_.fahrzeugUebernehmen(); }), 70);
    EXPECT_TRUE(!fs::exists(sicherungsordner) || fs::is_empty(sicherungsordner));
}

#ifndef _WIN32
// A file in a folder that takes no new file cannot be replaced: it is
// refused with 70 before the question, as a read-only file is. Root writes
// everywhere, so the writers run as "nobody", who may write the file itself.
TEST_F(uebernehmen, schreibgeschuetzterOrdnerVorDerFrage) {
    laden(demotext());
    fenster_.felder[0] = "0.5";
    fs::permissions(datei_, fs::perms::all);
    fs::permissions(ordner_ / "daten", fs::perms::owner_all | fs::perms::group_read |
                                           fs::perms::group_exec | fs::perms::others_read |
                                           fs::perms::others_exec);
    fs::permissions(ordner_, fs::perms::all);
    const int ergebnis = alsNiemandAusfuehren([&] {
        const int nummer = fehlernummer([&] { formular_.fahrzeugUebernehmen(); });
        return fenster_.fragen.empty() ? nummer : 1;
    });
    EXPECT_EQ(ergebnis, 70) << "1: asked before the refusal";
    EXPECT_EQ(lesen(datei_), demotext());
}

// A link in a folder that takes no file, to a settings file in one that
// does: the replace writes beside the file, so the write goes ahead.
TEST_F(uebernehmen, verweisAusEinemFestenOrdner) {
    laden(demotext());
    fs::create_directory(ordner_ / "fest");
    fs::create_symlink(datei_, ordner_ / "fest" / "ApplicationSettings.xml");
    schreiben("ini.txt", (ordner_ / "fest").string() + "/");
    formular_.lesen();
    fenster_.felder[0] = "0.5";
    for (const fs::path& offen : {ordner_, ordner_ / "daten", datei_}) {
        fs::permissions(offen, fs::perms::all);
    }
    fs::permissions(ordner_ / "fest", fs::perms::owner_all | fs::perms::group_read |
                                          fs::perms::group_exec | fs::perms::others_read |
                                          fs::perms::others_exec);
    EXPECT_EQ(alsNiemandAusfuehren(
                  [&] { return fehlernummer([&] { formular_.fahrzeugUebernehmen(); }); }),
              0);
    EXPECT_NE(lesen(datei_), demotext());
}
#endif

TEST_F(uebernehmen, rechteBleibenErhalten) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no permission bits beside the read-only attribute";
#endif
    laden(demotext());
    const fs::perms rechte = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(datei_, rechte);
    fenster_.felder[0] = "0.5";
    formular_.fahrzeugUebernehmen();
    EXPECT_NE(lesen(datei_), demotext());
    EXPECT_EQ(fs::status(datei_).permissions(), rechte);
}

} // namespace
