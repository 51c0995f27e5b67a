#include "sicherung.h"

#include "arbeitsordner.h"
#include "dateien.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using sicherung = arbeitsordner;
namespace fs = std::filesystem;

std::string kopie(const std::string& name) {
    return std::string(sicherungsordner) + pfadtrenner + "ApplicationSettings " + name + ".xml";
}

// Copies in the same second are numbered. After a write, of the copies of
// the settings file the latest 20 stay, a second's later number counting as
// later (" (10)" after " (9)"), and other files in the folder are left alone.
TEST_F(sicherung, gleicheSekundeUndDieLetztenZwanzig) {
    std::tm t{}; // 2026-12-07 16:59:09 local time
    t.tm_year = 126, t.tm_mon = 11, t.tm_mday = 7, t.tm_hour = 16, t.tm_min = 59, t.tm_sec = 9;
    t.tm_isdst = -1;
    const std::time_t zeit = std::mktime(&t);
    const std::string datei = "ApplicationSettings.xml";

    EXPECT_EQ(sichern(datei, "eins", zeit), kopie("2026-12-07 16-59-09"));
    EXPECT_EQ(sichern(datei, "zwei", zeit), kopie("2026-12-07 16-59-09 (2)"));
    EXPECT_EQ(lesen(kopie("2026-12-07 16-59-09")), "eins");
    for (int i = 3; i <= 11; ++i) {
        sichern(datei, std::to_string(i), zeit);
    }
    schreiben(fs::path(sicherungsordner) / "ApplicationSettings 2000-01-01 00-00-00 Notiz.xml", "");
    schreiben(fs::path(sicherungsordner) / "notiz.txt", "");

    for (int i = 1; i <= 11; ++i) {
        sichern(datei, std::to_string(i), zeit + 60 * i);
    }
    sicherungenAusduennen(datei);
    std::set<std::string> namen;
    for (const auto& eintrag : fs::directory_iterator(sicherungsordner)) {
        namen.insert(eintrag.path().filename().string());
    }
    EXPECT_EQ(namen.size(), 22u);
    EXPECT_FALSE(namen.contains("ApplicationSettings 2026-12-07 16-59-09.xml"));
    EXPECT_FALSE(namen.contains("ApplicationSettings 2026-12-07 16-59-09 (2).xml"));
    EXPECT_TRUE(namen.contains("ApplicationSettings 2026-12-07 16-59-09 (10).xml"));
    EXPECT_TRUE(namen.contains("ApplicationSettings 2026-12-07 17-10-09.xml"));
    EXPECT_TRUE(namen.contains("notiz.txt"));
}

} // namespace
