#include "arbeitsordner.h"
#include "fehlernummer.h"
#include "profilformular.h"
#include "speicherablage.h"

#include <gtest/gtest.h>

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

    formular_.pfadUmschalten();
    EXPECT_TRUE(fenster_.aktiv);
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

TEST_F(pfadknopf, derGetippteTextWirdUnveraendertGespeichert) {
    schreiben("ini.txt", "/irgendwo/");
    formular_.lesen();
    const struct {
        std::string getippt;
        std::size_t bytes;
        int fehler;
    } faelle[] = {
        {"c:\\mn6\\", 7, 0},
        {(ordner_ / "daten").string(), ordner_.string().size() + 6, 0},
        {" /mit Blank/ ", 13, 0},
        {"", 0, 62},
    };
    for (const auto& fall : faelle) {
        formular_.pfadUmschalten();
        fenster_.pfad = fall.getippt;
        EXPECT_EQ(fehlernummer([&] { formular_.pfadUmschalten(); }), fall.fehler) << fall.getippt;
        EXPECT_EQ(lesen("ini.txt"), fall.getippt);
        EXPECT_EQ(fs::file_size("ini.txt"), fall.bytes);
        EXPECT_EQ(fenster_.felder[0], "- - - -");
        EXPECT_FALSE(fenster_.aktiv);
    }
}

TEST_F(pfadknopf, eineNeuePfaddateiWirdAngelegt) {
    einstellungen(demotext());
    fs::remove("ini.txt");
    EXPECT_EQ(fehlernummer([&] { formular_.lesen(); }), 53);
    EXPECT_EQ(fehlernummer([&] { formular_.pfadUmschalten(); }), 53);
    fenster_.pfad = (ordner_ / "daten").string() + "/";
    formular_.pfadUmschalten();
    EXPECT_EQ(fenster_.felder[20], "80");
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
    EXPECT_FALSE(fenster_.aktiv);
    EXPECT_EQ(fenster_.pfadknopf, "Pfad");
    EXPECT_EQ(fenster_.farbe, ablage::pfadfarbe::schaltflaeche);
    EXPECT_EQ(fenster_.felder[0], "bleibt") << "no reload after the failed save";
    EXPECT_EQ(formular_.pfad(), "/alt/");
}

} // namespace
