#include "arbeitsordner.h"
#include "profilformular.h"
#include "speicherablage.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

namespace fs = std::filesystem;

namespace {

using nachladen = arbeitsordner;

// What happens between the load and the check, whether the file then counts
// as changed, and whether the fields follow it (the first town speed 80
// becomes 99, and with it the first product 96 becomes 118,8).
TEST_F(nachladen, nurEinNeuerInhaltOhneBearbeitungLaedtNeu) {
    const std::string alt = demotext();
    std::string neu = alt;
    neu.replace(neu.find("<City>80|"), 9, "<City>99|");
    std::string kaputt = neu;
    kaputt.erase(kaputt.find("</City>"), 7);
    std::string keineZahl = alt;
    keineZahl.replace(keineZahl.find("<City>80|"), 9, "<City>8O|");
    using schritt = std::function<void(speicherablage&, profilformular&, const fs::path&)>;
    const struct {
        const char* fall;
        schritt tun;
        bool geaendert;
        bool nachgeladen;
        const char* stadt;    // Text1(20) afterwards
        const char* ergebnis; // Text3(0) afterwards
    } faelle[] = {
        {"neuer Inhalt", [&](auto&, auto&, auto& d) { schreiben(d, neu); }, true, true, "99",
         "118,8"},
        {"nur eine neue Zeit",
         [&](auto&, auto&, auto& d) {
             schreiben(d, alt);
             fs::last_write_time(d, fs::last_write_time(d) + std::chrono::hours(1));
         },
         false, false, "80", "96"},
        {"bearbeitetes Feld",
         [&](auto& f, auto&, auto& d) {
             f.setzeFeld(3, "1.5");
             schreiben(d, neu);
         },
         true, false, "80", "96"},
        {"Pfad in Bearbeitung",
         [&](auto& f, auto&, auto& d) {
             f.aktiv = true;
             schreiben(d, neu);
         },
         true, false, "80", "96"},
        {"eigenes Schreiben",
         [&](auto& f, auto& p, auto&) {
             f.setzeFeld(20, "99");
             p.fahrzeugUebernehmen();
         },
         false, false, "99", "96"},
        {"verschwunden", [&](auto&, auto&, auto& d) { fs::remove(d); }, false, false, "80", "96"},
        {"unlesbar",
         [&](auto&, auto&, auto& d) {
             fs::remove(d);
             fs::create_directory(d);
         },
         false, false, "80", "96"},
        {"keine Zahl in der Datei", [&](auto&, auto&, auto& d) { schreiben(d, keineZahl); }, true,
         true, "8O", "96"},
        {"halb geschrieben", [&](auto&, auto&, auto& d) { schreiben(d, kaputt); }, true, false,
         "80", "96"},
    };
    for (const auto& fall : faelle) {
        const fs::path datei = einstellungen(alt);
        speicherablage f;
        profilformular formular(f);
        formular.lesen();
        EXPECT_TRUE(fs::equivalent(formular.geladeneDatei(), datei));
        fall.tun(f, formular, datei);
        EXPECT_EQ(formular.dateiGeaendert(), fall.geaendert) << fall.fall;
        EXPECT_EQ(formular.stillNachladen(), fall.nachgeladen) << fall.fall;
        EXPECT_EQ(f.felder[20], fall.stadt) << fall.fall;
        EXPECT_EQ(f.ergebnisse[0], fall.ergebnis) << fall.fall;
        EXPECT_TRUE(f.hinweise.empty()) << fall.fall;
        EXPECT_FALSE(formular.stillNachladen()) << fall.fall << ": the same bytes load once";
        fs::remove_all(datei);
    }
}

// The file is read only once its size or write time moved since it last
// held the loaded content; a change that keeps both, as a program that puts
// the old time back may make, goes unseen until the next one.
TEST_F(nachladen, gleicherStempelWirdNichtGelesen) {
    std::string neu = demotext();
    neu.replace(neu.find("<City>80|"), 9, "<City>99|");
    const fs::path datei = einstellungen(demotext());
    const auto vor = [](int minuten) {
        return fs::file_time_type::clock::now() - std::chrono::minutes(minuten);
    };
    fs::last_write_time(datei, vor(120));
    speicherablage f;
    profilformular formular(f);
    formular.lesen();
    fs::last_write_time(datei, vor(60));
    EXPECT_FALSE(formular.dateiGeaendert()) << "only the time moved";
    const auto zeit = fs::last_write_time(datei);
    schreiben(datei, neu);
    fs::last_write_time(datei, zeit);
    EXPECT_FALSE(formular.stillNachladen()) << "size and time as when last read";
    fs::last_write_time(datei, vor(30));
    EXPECT_TRUE(formular.stillNachladen());
    EXPECT_EQ(f.felder[20], "99");
    // A write time not well before now, here one ahead as another clock's
    // may be, may be shared by the next write: such a file is read each time.
    const auto voraus = vor(-10);
    fs::last_write_time(datei, voraus);
    EXPECT_FALSE(formular.dateiGeaendert());
    schreiben(datei, demotext());
    fs::last_write_time(datei, voraus);
    EXPECT_TRUE(formular.dateiGeaendert());
}

// The route planner changes a route value while a vehicle field is edited;
// writing the vehicle half then must not make the stale route fields count
// as showing the file: the next check brings the route value.
TEST_F(nachladen, eigenesSchreibenNachFremderAenderungLaedtDieAndereHaelfte) {
    std::string fremd = demotext();
    fremd.replace(fremd.find("<Value>1.0<"), 11, "<Value>1.7<");
    const fs::path datei = einstellungen(demotext());
    speicherablage f;
    profilformular formular(f);
    formular.lesen();
    f.setzeFeld(20, "99");
    schreiben(datei, fremd);
    EXPECT_FALSE(formular.stillNachladen()) << "an edited field: nothing is reloaded";
    formular.fahrzeugUebernehmen();
    formular.stillNachladen();
    EXPECT_EQ(f.felder[56], "1.7") << "the route field still shows the value before the change";
}

} // namespace
