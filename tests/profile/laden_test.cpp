#include "arbeitsordner.h"
#include "fehlernummer.h"
#include "festtext.h"
#include "profilformular.h"
#include "speicherablage.h"

#include <gtest/gtest.h>

namespace {

using laden = arbeitsordner;

// A settings text with one vehicle and one route profile, built from parts
// so that single markers can be left out.
std::string kleinerText(const std::string& fahrzeugteil, const std::string& routenteil) {
    return "<S>\r\n<Name>Car Fast</Name><SpeedProfile><City>1|2|3|4|5|6|7|8</City>"
           "<Open>11|12|13|14|15|16|17|18</Open></SpeedProfile>\r\n" +
           fahrzeugteil + "\r\n<Name>Fastest</Name>" + routenteil + "\r\n</S>";
}
const std::string fahrzeugfaktoren =
    "<PreferenceFactor><City>1.0|1.0|1.0|1.0|1.0|1.0|1.0|1.0</City>"
    "<Open>2.0|2.0|2.0|2.0|2.0|2.0|2.0|2.0</Open></PreferenceFactor><Special>1|2|3|4</Special>";
const std::string routenfaktoren =
    "<PreferenceFactor><City>0.5|0.5|0.5|0.5|0.5|0.5|0.5|0.5</City>"
    "<Open>1.5|1.5|1.5|1.5|1.5|1.5|1.5|1.5</Open><Special>5|6|7|8</Special></PreferenceFactor>"
    "<Value>9.5</Value>";

TEST_F(laden, demoMitDerStartauswahl) {
    einstellungen(demotext());
    speicherablage f;
    profilformular formular(f);
    formular.lesen();

    EXPECT_EQ(f.pfad, (ordner_ / "daten").string() + "/");
    EXPECT_EQ(formular.pfad(), f.pfad);
    EXPECT_EQ(f.felder[20], "80");
    EXPECT_EQ(f.felder[27], "15");
    EXPECT_EQ(f.felder[28], "130");
    EXPECT_EQ(f.felder[1], "0.95");
    EXPECT_EQ(f.felder[15], "0.3");
    EXPECT_EQ(f.felder[19], "1.2");
    EXPECT_EQ(f.felder[36], "1.2");
    EXPECT_EQ(f.felder[51], "0.3");
    EXPECT_EQ(f.felder[52], "1.0");
    EXPECT_EQ(f.felder[56], "1.0");
    EXPECT_EQ(f.ergebnisse[0], "96");    // 80 x 1.0 x 1.2
    EXPECT_EQ(f.ergebnisse[8], "169");   // 130 x 1.0 x 1.3
    EXPECT_EQ(f.ergebnisse[1], "73,15"); // 70 x 0.95 x 1.1
    EXPECT_EQ(f.ergebnisse[15], "1,8");  // 20 x 0.3 x 0.3
    EXPECT_EQ(f.gezeigt, 1);
    EXPECT_EQ(f.feldschreibungen, 57) << "reset and filled, each field is written once";
}

TEST_F(laden, jedeAuswahlLaedtVollstaendig) {
    einstellungen(demotext());
    const struct {
        std::string_view fahrzeug;
        std::string_view route;
        const char* special19;  // differs in every vehicle profile
        const char* routenwert; // differs in every route profile
    } faelle[] = {
        {"PKW schnell", "Schnelle", "1.2", "1.0"}, {"PKW normal", "Optimale", "1.1", "0.8"},
        {"PKW Normal", "Kurze", "1.1", "0.5"},     {"PKW langs.", "Schöne"_cp1252, "1.0", "1.5"},
        {"Motorrad", "Schnelle", "1.3", "1.0"},    {"LKW", "Schöne"_cp1252, "0.9", "1.5"},
        {"unbekannt", "unbekannt", "1.2", "1.0"},
    };
    for (const auto& fall : faelle) {
        speicherablage f;
        f.beschriftungen = {std::string(fall.fahrzeug), std::string(fall.route)};
        profilformular formular(f);
        formular.lesen();
        EXPECT_EQ(f.felder[19], fall.special19) << fall.fahrzeug;
        EXPECT_EQ(f.felder[56], fall.routenwert) << fall.route;
        for (const std::string& feld : f.felder) {
            EXPECT_NE(feld, "- - - -") << fall.fahrzeug << " / " << fall.route;
        }
        for (const std::string& ergebnis : f.ergebnisse) {
            EXPECT_NE(ergebnis, "-") << fall.fahrzeug << " / " << fall.route;
        }
    }
}

TEST_F(laden, zweimalLadenGibtDasGleiche) {
    einstellungen(demotext());
    speicherablage f;
    f.beschriftungen = {"LKW", "Kurze"};
    profilformular formular(f);
    formular.lesen();
    const auto felder = f.felder;
    const auto ergebnisse = f.ergebnisse;
    f.felder[3] = "7.7";
    formular.lesen();
    EXPECT_EQ(f.felder, felder);
    EXPECT_EQ(f.ergebnisse, ergebnisse);
}

TEST_F(laden, ohneEinstellungsdateiEndetDasLadenStill) {
    std::filesystem::create_directory("leer");
    schreiben("ini.txt", (ordner_ / "leer").string() + "/\r\n");
    speicherablage f;
    f.ergebnisse.fill("12");
    f.beschriftungen = {"LKW", "Kurze"};
    profilformular formular(f);
    formular.lesen();
    EXPECT_EQ(f.pfad, (ordner_ / "leer").string() + "/");
    EXPECT_TRUE(f.pfadnotiz.starts_with("Im Ordner „" + f.pfad + "“ liegt keine")) << f.pfadnotiz;
    EXPECT_TRUE(f.hinweise.empty());
    EXPECT_EQ(f.felder[0], "- - - -");
    EXPECT_EQ(f.felder[56], "- - - -");
    EXPECT_EQ(f.ergebnisse[0], "12");
}

TEST_F(laden, pfadOhneTrennerWirdDirektVorDenDateinamenGesetzt) {
    einstellungen(demotext());
    schreiben("ini.txt", (ordner_ / "daten").string());
    speicherablage f;
    profilformular formular(f);
    formular.lesen();
    EXPECT_EQ(f.felder[0], "- - - -");

    schreiben(ordner_ / "datenApplicationSettings.xml", demotext());
    formular.lesen();
    EXPECT_EQ(f.felder[20], "80");
}

TEST_F(laden, nurDieErsteZeileDerPfaddateiZaehlt) {
    einstellungen(demotext());
    schreiben("ini.txt", (ordner_ / "daten").string() + "/\r\n/anderswo/\r\n");
    speicherablage f;
    profilformular formular(f);
    formular.lesen();
    EXPECT_EQ(f.felder[20], "80");

    // An empty first line looks in the working directory.
    schreiben("ini.txt", "\r\n" + (ordner_ / "daten").string());
    schreiben("ApplicationSettings.xml", demotext());
    speicherablage g;
    profilformular hier(g);
    hier.lesen();
    EXPECT_EQ(hier.pfad(), "");
    EXPECT_EQ(g.felder[20], "80");
}

TEST_F(laden, fehlendePfaddateiIstDerErsteStartEineLeereEinFehler) {
    einstellungen(demotext());
    speicherablage f;
    profilformular formular(f);
    formular.lesen();
    const std::string pfad = formular.pfad();

    std::filesystem::remove("ini.txt"); // the path box waits for a folder
    EXPECT_EQ(fehlernummer([&] { formular.lesen(); }), 0);
    EXPECT_EQ(f.felder[20], "- - - -");
    EXPECT_EQ(f.pfad, "");
    EXPECT_TRUE(f.aktiv && f.fokusImPfad);
    EXPECT_EQ(formular.pfad(), pfad);

    schreiben("ini.txt", "");
    EXPECT_EQ(fehlernummer([&] { formular.lesen(); }), 62);

    std::filesystem::remove("ini.txt");
    std::filesystem::create_directory("ini.txt");
    EXPECT_EQ(fehlernummer([&] { formular.lesen(); }), 75);
}

TEST_F(laden, fehlendeMarkeLaesstDieFelderDerFolgendenGruppenLeer) {
    // No vehicle <PreferenceFactor>: groups 1 and 2 load, group 3 fails.
    einstellungen(kleinerText("<Special>1|2|3|4</Special>", "<Value>9.5</Value>"));
    speicherablage f;
    profilformular formular(f);
    EXPECT_EQ(fehlernummer([&] { formular.lesen(); }), 5);
    EXPECT_EQ(f.felder[20], "1");
    EXPECT_EQ(f.felder[35], "18");
    EXPECT_EQ(f.felder[0], "- - - -");
    EXPECT_EQ(f.felder[56], "- - - -");
    EXPECT_EQ(f.ergebnisse[0], "-");
    EXPECT_EQ(f.befunde[0].zustand, ablage::feldzustand::nichtGeladen);
    EXPECT_EQ(f.befunde[0].grund, "Nicht geladen");
    EXPECT_EQ(f.befunde[20].zustand, ablage::feldzustand::gut);
}

// A group that the chosen profile lacks is reported, even where the profile
// behind it has one, also one whose name begins with the chosen one's; the
// route value included, which never shows a marker
// error. The fields from that group on, in the order of loading, keep the
// placeholder.
TEST_F(laden, eineGruppeDieDemProfilFehltWirdGemeldet) {
    const std::string ohneSpecial = fahrzeugfaktoren.substr(0, fahrzeugfaktoren.find("<Special>"));
    const std::string ohneWert = routenfaktoren.substr(0, routenfaktoren.find("<Value>"));
    const std::string ohneSchluss = routenfaktoren.substr(0, routenfaktoren.find("</Value>"));
    const struct {
        std::string fahrzeugteil;
        std::string routenteil;
        std::string fehlt; // in the message; empty: the load goes through
        std::string feld16;
        std::string feld56;
    } faelle[] = {
        {fahrzeugfaktoren, routenfaktoren, "", "1", "9.5"},
        {fahrzeugfaktoren, ohneWert + "<Value>1|2</Value>", "", "1", "1|2"},
        {ohneSpecial, routenfaktoren, "Im Profil „Car Fast“ fehlt „<Special>“", "- - - -",
         "- - - -"},
        {fahrzeugfaktoren, ohneWert, "Im Profil „Fastest“ fehlt „<Value>“", "1", "- - - -"},
        {fahrzeugfaktoren, ohneSchluss, "Im Profil „Fastest“ fehlt „</Value>“", "1", "- - - -"},
    };
    for (const auto& fall : faelle) {
        einstellungen(kleinerText(fall.fahrzeugteil + "<Name>Car Fast 2</Name>" + fahrzeugfaktoren,
                                  fall.routenteil) +
                      "<Name>Optimal</Name>" + routenfaktoren);
        speicherablage f;
        profilformular formular(f);
        std::string meldung;
        try {
            formular.lesen();
        } catch (const laufzeitfehler& fehler) {
            EXPECT_EQ(fehler.nummer(), 5);
            meldung = fehler.beschreibung();
        }
        EXPECT_EQ(meldung.empty(), fall.fehlt.empty()) << meldung;
        EXPECT_NE(meldung.find(fall.fehlt), std::string::npos) << meldung;
        EXPECT_EQ(f.felder[0], "1.0");
        EXPECT_EQ(f.felder[16], fall.feld16);
        EXPECT_EQ(f.felder[56], fall.feld56);
        EXPECT_EQ(f.ergebnisse[8], fall.fehlt.empty() ? "33" : "-") << "11 x 2.0 x 1.5";
    }
}

TEST_F(laden, zuWenigeTrennerFuellenDieErstenFelderDerGruppe) {
    std::string text = kleinerText(fahrzeugfaktoren, routenfaktoren);
    text.replace(text.find("1|2|3|4|5|6|7|8"), 15, "1|2|3");
    einstellungen(text);
    speicherablage f;
    profilformular formular(f);
    EXPECT_EQ(fehlernummer([&] { formular.lesen(); }), 5);
    EXPECT_EQ(f.felder[20], "1");
    EXPECT_EQ(f.felder[21], "2");
    EXPECT_EQ(f.felder[22], "- - - -");
    EXPECT_EQ(f.felder[28], "- - - -");
    EXPECT_EQ(f.feldschreibungen, 57);
}

TEST_F(laden, keineZahlInEinemProduktfeldStopptDieRechnungNachDemFuellen) {
    std::string text = kleinerText(fahrzeugfaktoren, routenfaktoren);
    text.replace(text.find("0.5|0.5|0.5|0.5"), 15, "0.5|0.5|x|0.5");
    einstellungen(text);
    speicherablage f;
    profilformular formular(f);
    EXPECT_EQ(fehlernummer([&] { formular.lesen(); }), 13);
    EXPECT_EQ(f.felder[56], "9.5");
    EXPECT_EQ(f.ergebnisse[1], "1");  // 2 x 1.0 x 0.5
    EXPECT_EQ(f.ergebnisse[9], "36"); // 12 x 2.0 x 1.5
    EXPECT_EQ(f.ergebnisse[2], "-");
    EXPECT_EQ(f.befunde[38].grund, "Keine Zahl");
}

TEST_F(laden, routenSpecialsKommenAusDenPraeferenzfaktoren) {
    einstellungen(kleinerText(fahrzeugfaktoren, "<Special>0|0|0|0</Special>" + routenfaktoren));
    speicherablage f;
    profilformular formular(f);
    formular.lesen();
    EXPECT_EQ(f.felder[52], "5");
    EXPECT_EQ(f.felder[55], "8");
}

TEST_F(laden, pfadMitUmlautAusWindows1252) {
    const std::filesystem::path ordner = ordner_ / std::filesystem::path(u8"Größe");
    std::filesystem::create_directory(ordner);
    schreiben(ordner / "ApplicationSettings.xml", demotext());
    schreiben("ini.txt", ordner_.string() + "/Gr\xF6\xDF"
                                            "e/");
    speicherablage f;
    profilformular formular(f);
    formular.lesen();
    EXPECT_EQ(f.felder[20], "80");
}

} // namespace
