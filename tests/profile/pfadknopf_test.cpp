#include "arbeitsordner.h"
#include "fehlernummer.h"
#include "ordnerpfad.h"
#include "profilformular.h"
#include "speicherablage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>
#ifndef _WIN32
#include "niemand.h"
#endif

namespace {

namespace fs = std::filesystem;

class pfadknopf : public arbeitsordner {
  protected:
    speicherablage fenster_;
    profilformular formular_{fenster_};
};

TEST_F(pfadknopf, zweiDrueckeBearbeitenSpeichernUndLaden) {
    einstellungen(demotext());
    schreiben("ini.txt", (ordner_ / "daten").string() + "/\r\n");
    formular_.lesen();

    fenster_.fokusImPfad = false;
    formular_.pfadUmschalten();
    EXPECT_TRUE(fenster_.aktiv);
    EXPECT_TRUE(fenster_.fokusImPfad);
    EXPECT_EQ(fenster_.pfadknopf, "Fertig");
    EXPECT_EQ(fenster_.farbe, ablage::pfadfarbe::weiss);
    EXPECT_EQ(fenster_.pfad, (ordner_ / "daten").string() + "/") << "the stored path, not the hint";
    EXPECT_EQ(fenster_.felder[20], "80");

    fenster_.felder[20] = "1";
    formular_.pfadUmschalten();
    EXPECT_FALSE(fenster_.aktiv);
    EXPECT_EQ(fenster_.pfadknopf, "Pfad");
    EXPECT_EQ(fenster_.farbe, ablage::pfadfarbe::schaltflaeche);
    EXPECT_EQ(lesen("ini.txt"), (ordner_ / "daten").string() + "/") << "no line end any more";
    EXPECT_EQ(fenster_.felder[20], "80") << "the edit is discarded by the reload";
}

// Only a text naming an existing folder is completed; a path to the
// settings file names its folder, and "~" the home folder (not on Windows).
TEST_F(pfadknopf, derGetippteTextWirdNurUmDenTrennerErgaenzt) {
    fs::create_directory("daten");
    schreiben("datei", "x");
    schreiben("ini.txt", "/irgendwo/");
    formular_.lesen();
    const std::string daten = (ordner_ / "daten").string();
#ifndef _WIN32
    const char* heim = std::getenv("HOME");
    const std::string bisher = heim == nullptr ? "" : heim;
    ::setenv("HOME", daten.c_str(), 1);
#endif
    const struct {
        std::string getippt;
        std::string gespeichert;
        int fehler;
    } faelle[] = {
        {"c:\\mn6\\", "c:\\mn6\\", 0},
        {daten, daten + pfadtrenner, 0},
        {daten + pfadtrenner, daten + pfadtrenner, 0},
        {(ordner_ / "datei").string(), (ordner_ / "datei").string(), 0},
        {daten + pfadtrenner + "ApplicationSettings.xml", daten + pfadtrenner, 0},
#ifdef _WIN32
        {daten + "\\applicationsettings.XML", daten + "\\", 0},
        {"~\\", "~\\", 0},
#else
        {"~", daten + "/", 0},
        {"~/", daten + "/", 0},
        {"~anna/", "~anna/", 0},
#endif
#ifdef _WIN32
        // Windows finds a folder typed with trailing blanks and dots without
        // them, and so must the settings file's name behind it.
        {daten + " ", daten + "\\", 0},
        {daten + ". .", daten + "\\", 0},
        {daten + "\\..", daten + "\\..\\", 0},
        {"C:\\a|b\\", daten + "\\..\\", 52},
#endif
        {" /mit Blank/ ", " /mit Blank/ ", 0},
        {"", " /mit Blank/ ", 0}, // an empty box keeps the last saved path
        {std::string("/a\0/b/", 6), " /mit Blank/ ", 52},
    };
    for (const auto& fall : faelle) {
        if (!fenster_.aktiv) {
            formular_.pfadUmschalten();
        }
        fenster_.pfad = fall.getippt;
        EXPECT_EQ(fehlernummer([&] { formular_.pfadUmschalten(); }), fall.fehler) << fall.getippt;
        EXPECT_EQ(lesen("ini.txt"), fall.gespeichert);
        EXPECT_EQ(fenster_.felder[0], "- - - -");
        // A refused name is neither saved nor locked in.
        EXPECT_EQ(fenster_.aktiv, fall.fehler != 0);
    }
#ifndef _WIN32
    ::setenv("HOME", bisher.c_str(), 1);
#endif
}

// A folder named in any script is saved, loaded and written through; one
// without the settings file, and one that is missing, is named as such by
// the path box at every load.
TEST_F(pfadknopf, ordnerInJederSchrift) {
    const fs::path ordner = ordner_ / fs::path(u8"Łódź – Ağrı");
    const std::u8string u8 = ordner.u8string();
    const std::string name(u8.begin(), u8.end());
    fs::create_directory(ordner);
    schreiben(ordner / "ApplicationSettings.xml", demotext());
    schreiben("ini.txt", "/irgendwo/");
    formular_.lesen();
    formular_.pfadUmschalten();
    fenster_.pfad = name;
    formular_.pfadUmschalten();
    EXPECT_EQ(fenster_.pfad, name + pfadtrenner);
    EXPECT_EQ(fenster_.felder[20], "80");
    fenster_.felder[56] = "2.5";
    formular_.routeUebernehmen();
    EXPECT_NE(lesen(ordner / "ApplicationSettings.xml").find("<Value>2.5</Value>"),
              std::string::npos);
    EXPECT_EQ(fenster_.pfadnotiz, "");

    fs::remove(ordner / "ApplicationSettings.xml");
    formular_.lesen();
    EXPECT_TRUE(fenster_.pfadnotiz.starts_with("Im Ordner „" + name + pfadtrenner +
                                               "“ liegt keine ApplicationSettings.xml."))
        << fenster_.pfadnotiz;
    EXPECT_EQ(fenster_.felder[20], "- - - -");
    fs::remove(ordner);
    formular_.pfadUmschalten();
    formular_.pfadUmschalten();
    EXPECT_TRUE(
        fenster_.pfadnotiz.starts_with("Der Ordner „" + name + pfadtrenner + "“ existiert nicht."))
        << fenster_.pfadnotiz;
    EXPECT_TRUE(fenster_.hinweise.empty()) << "no box";
}

// After "Pfad" the box is for typing, also where the load that follows
// raises an error: a file without the chosen profile, an empty "ini.txt".
TEST_F(pfadknopf, nachPfadImFeldAuchWennDasLadenScheitert) {
    for (const auto& [einstellungstext, pfaddatei] :
         {std::pair<std::string, bool>{"<Einstellungen/>", true}, {"", false}}) {
        einstellungen(einstellungstext);
        if (!pfaddatei) {
            schreiben("ini.txt", "");
        }
        fenster_.aktiv = false;
        fenster_.fokusImPfad = false;
        EXPECT_NE(fehlernummer([&] { formular_.pfadUmschalten(); }), 0);
        EXPECT_TRUE(fenster_.aktiv);
        EXPECT_TRUE(fenster_.fokusImPfad) << "focus left on the button: " << pfaddatei;
    }
}

#ifndef _WIN32
// A folder the user may not look into is not said to lack the settings
// file: that file is there. Root reads every folder, so the load runs as
// "nobody".
TEST_F(pfadknopf, unlesbarerOrdnerHeisstNichtLeer) {
    einstellungen(demotext());
    fs::permissions(ordner_ / "daten", fs::perms::owner_all);
    const int ergebnis = alsNiemandAusfuehren([&] {
        const int nummer = fehlernummer([&] { formular_.lesen(); });
        return fenster_.pfadnotiz.starts_with("Im Ordner") ? 1 : nummer;
    });
    EXPECT_EQ(ergebnis, 70) << "1: the note says the folder holds no settings file";
}
#endif

// The first start waits for a folder; one typed without its separator loads.
TEST_F(pfadknopf, eineNeuePfaddateiWirdAngelegt) {
    einstellungen(demotext());
    fs::remove("ini.txt");
    formular_.lesen();
    EXPECT_TRUE(fenster_.aktiv);
    // "Fertig" on the empty box saves nothing that a later start would refuse.
    formular_.pfadUmschalten();
    EXPECT_FALSE(fs::exists("ini.txt"));
    EXPECT_TRUE(fenster_.aktiv);
    fenster_.pfad = (ordner_ / "daten").string();
    formular_.pfadUmschalten();
    EXPECT_EQ(fenster_.felder[20], "80");
    EXPECT_EQ(lesen("ini.txt"), (ordner_ / "daten").string() + pfadtrenner);
    EXPECT_EQ(fs::status("ini.txt").permissions() & fs::perms::owner_write, fs::perms::owner_write);
}

TEST_F(pfadknopf, nichtSchreibbarePfaddatei) {
    schreiben("ini.txt", "/alt/");
    formular_.lesen();
    formular_.pfadUmschalten();
    fenster_.pfad = "/neu/";
    fenster_.felder[0] = "bleibt";
    fs::permissions("ini.txt", fs::perms::owner_read);
    EXPECT_EQ(fehlernummer([&] { formular_.pfadUmschalten(); }), 70);
    EXPECT_EQ(lesen("ini.txt"), "/alt/");
    // Still editing, with the typed text, to be saved once the cause is gone.
    EXPECT_TRUE(fenster_.aktiv);
    EXPECT_EQ(fenster_.pfad, "/neu/");
    EXPECT_EQ(fenster_.pfadknopf, "Fertig");
    EXPECT_EQ(fenster_.farbe, ablage::pfadfarbe::weiss);
    EXPECT_EQ(fenster_.felder[0], "bleibt") << "no reload after the failed save";
    EXPECT_EQ(formular_.pfad(), "/alt/");
}

} // namespace
