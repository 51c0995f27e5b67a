#include "arbeitsordner.h"
#include "fehlernummer.h"
#include "profilformular.h"
#include "sicherung.h"
#include "speicherablage.h"
#include "zurueckholen.h"

#include <gtest/gtest.h>

namespace {

std::string ersetzt(std::string text, const std::string& alt, const std::string& neu) {
    const auto stelle = text.find(alt);
    EXPECT_NE(stelle, std::string::npos) << alt;
    return text.replace(stelle, alt.size(), neu);
}

class zurueckholen : public arbeitsordner {
  protected:
    std::string jetzt_ = demotext();
    feldnamen namen_ = feldnamenLesen(speicherablage{});

    std::string eingesetzt(std::string_view sicherung) {
        spleisstext text(jetzt_);
        sicherungEinsetzen(text, sicherung);
        return text.text();
    }
};

// The backup's values come back, each in its own profile; what else the
// backup holds differently (the route planner's own settings) does not.
TEST_F(zurueckholen, nimmtNurDieWerteDerProfileZurueck) {
    std::string sicherung = ersetzt(jetzt_, "<Language>Deutsch", "<Language>English");
    sicherung = ersetzt(sicherung, "<City>1.0|0.95|0.9|0.85|0.7|", "<City>1.0|0.95|0.8|0.85|0.7|");
    sicherung = ersetzt(sicherung, "<Value>", "<Value>7");
    const sicherungsvergleich v = sicherungVergleichen(jetzt_, sicherung, namen_);
    EXPECT_EQ(v.anders, 2u);
    EXPECT_EQ(v.zeilen, (std::vector<std::string>{"PKW schnell – Text1(2): 0.9 → 0.8",
                                                  "Schnelle – Text1(56): 1.0 → 71.0"}));
    EXPECT_EQ(unterschiedszahl(v.anders), "2 Werte anders");

    const std::string ergebnis = eingesetzt(sicherung);
    EXPECT_EQ(ergebnis, ersetzt(sicherung, "<Language>English", "<Language>Deutsch"));
    EXPECT_EQ(sicherungVergleichen(ergebnis, sicherung, namen_).anders, 0u);
}

// A group that either file lacks is named and left as it is now; the other
// groups of that profile still come back.
TEST_F(zurueckholen, eineFehlendeGruppeBleibtWieJetzt) {
    std::string sicherung = ersetzt(jetzt_, "<Special>1.0|1.0|0.8|1.2</Special>", "");
    sicherung = ersetzt(sicherung, "<Open>130|", "<Open>140|");
    const sicherungsvergleich v = sicherungVergleichen(jetzt_, sicherung, namen_);
    EXPECT_EQ(v.anders, 1u);
    EXPECT_EQ(v.zeilen,
              (std::vector<std::string>{"PKW schnell – Text1(28): 130 → 140",
                                        "PKW schnell – Felder ab „Text1(16)“: fehlt in der "
                                        "Sicherung, bleibt wie jetzt"}));
    EXPECT_EQ(eingesetzt(sicherung), ersetzt(jetzt_, "<Open>130|", "<Open>140|"));

    const std::string ohneProfil = ersetzt(jetzt_, "<Name>Truck<", "<Name>Lorry<");
    EXPECT_EQ(sicherungVergleichen(jetzt_, ohneProfil, namen_).zeilen,
              (std::vector<std::string>{"LKW – fehlt in der Sicherung, bleibt wie jetzt"}));
    EXPECT_EQ(sicherungVergleichen(ohneProfil, jetzt_, namen_).zeilen,
              (std::vector<std::string>{"LKW – fehlt in der Datei, bleibt wie jetzt"}));
}

// A file whose vehicle profile lacks its speeds' "<City>": that group is
// missing and stays, and the factors' "<City>" gets the backup's factors,
// never its speeds.
TEST_F(zurueckholen, eineFehlendeGruppeNimmtKeinerAnderenIhrenPlatz) {
    const std::string speed = "<City>80|70|50|50|50|30|20|15</City>";
    jetzt_ = ersetzt(jetzt_, speed, "");
    const std::string sicherung =
        ersetzt(demotext(), "<City>1.0|0.95|0.9|0.85|0.7|", "<City>1.0|0.95|0.8|0.85|0.7|");
    const std::string ergebnis = eingesetzt(sicherung);
    EXPECT_EQ(ergebnis,
              ersetzt(jetzt_, "<City>1.0|0.95|0.9|0.85|0.7|", "<City>1.0|0.95|0.8|0.85|0.7|"));
}

// A file whose speeds lack their "</City>": that passage runs on over the
// factors' own. Putting the backup back must not cut away what lies between
// (the open-road speeds, the factors' opening markers).
TEST_F(zurueckholen, ueberlappendePassagenSchneidenNichtsWeg) {
    const std::string offen = "<Open>130|110|100|90|60|50|25|20</Open>";
    jetzt_ = ersetzt(jetzt_, "30|20|15</City>", "30|20|15");
    const std::string ergebnis = eingesetzt(demotext());
    EXPECT_NE(ergebnis.find(offen), std::string::npos);
}

TEST_F(zurueckholen, eineDateiOhneProfileWirdAbgewiesen) {
    EXPECT_EQ(
        fehlernummer([&] { sicherungVergleichen(jetzt_, "<Name>Car Fastest</Name>", namen_); }), 5);
    EXPECT_EQ(unterschiedszahl(0), "keine Unterschiede");
    EXPECT_EQ(unterschiedszahl(1), "1 Wert anders");
}

// Through the window's logic: two writes, then the older backup taken
// back. Its values return, the route planner's own text written since
// stays, and the file before the restore becomes a backup in turn.
TEST_F(zurueckholen, dieAeltereSicherungNachZweiSchreibvorgaengen) {
    const auto datei = einstellungen(jetzt_);
    speicherablage fenster;
    profilformular formular(fenster);
    formular.lesen();
    fenster.felder[0] = "0.5";
    formular.fahrzeugUebernehmen();
    fenster.felder[0] = "0.6";
    formular.fahrzeugUebernehmen();
    const std::string zweimal = ersetzt(lesen(datei), "<Language>Deutsch", "<Language>English");
    schreiben(datei, zweimal);
    auto liste = formular.sicherungen();
    ASSERT_EQ(liste.size(), 2u);
    const std::string aeltere = liste[1].datei;
    EXPECT_EQ(lesen(aeltere), jetzt_);
    EXPECT_EQ(formular.sicherungsvergleicher()(aeltere).anders, 1u);

    // Another program's change while the question is open stops it.
    fenster.waehrendDerFrage = [&] { schreiben(datei, zweimal + " "); };
    EXPECT_EQ(fehlernummer([&] { formular.sicherungZurueckholen(aeltere); }), 75);
    EXPECT_EQ(lesen(datei), zweimal + " ");
    EXPECT_EQ(formular.sicherungen().size(), 2u);

    fenster.waehrendDerFrage = nullptr;
    schreiben(datei, zweimal);
    formular.sicherungZurueckholen(aeltere);
    EXPECT_EQ(fenster.listen.back(),
              (std::vector<std::string>{"PKW schnell – Text1(0): 0.6 → 1.0"}));
    EXPECT_EQ(lesen(datei), ersetzt(jetzt_, "<Language>Deutsch", "<Language>English"));
    EXPECT_EQ(fenster.felder[0], "1.0");
    liste = formular.sicherungen();
    ASSERT_EQ(liste.size(), 3u);
    EXPECT_EQ(lesen(liste[0].datei), zweimal);
}

// Like both writers, a restore writes nothing until a load has read the
// settings file from the folder in "ini.txt": without "ini.txt" it must not
// take a backup's values into a file in the working directory.
TEST_F(zurueckholen, ohneGeladeneDateiWirdNichtsZurueckgeholt) {
    schreiben("ApplicationSettings.xml", jetzt_);
    const std::string alt =
        sichern("ApplicationSettings.xml", ersetzt(jetzt_, "<Open>130|", "<Open>140|"), 0);
    speicherablage fenster;
    profilformular formular(fenster);
    formular.lesen();
    EXPECT_EQ(fehlernummer([&] { formular.sicherungZurueckholen(alt); }), 53);
    EXPECT_EQ(lesen("ApplicationSettings.xml"), jetzt_);
    EXPECT_EQ(formular.sicherungen().size(), 1u);
}

} // namespace
