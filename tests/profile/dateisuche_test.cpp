#include "arbeitsordner.h"
#include "dateisuche.h"
#include "ordnersuche.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

constexpr const char* mitProfil = "<SpeedProfile><Name>Truck</Name></SpeedProfile>";

class dateisuche : public arbeitsordner {
  protected:
    // The folder below the home folder, its file holding `inhalt`.
    fs::path ablegen(const fs::path& relativ, const std::string& inhalt = mitProfil) {
        fs::create_directories(ordner_ / relativ);
        schreiben(ordner_ / relativ / "ApplicationSettings.xml", inhalt);
        return ordner_ / relativ;
    }

    std::vector<std::string> suchen(std::size_t eintraege = sucheintraege,
                                    std::chrono::seconds frist = std::chrono::seconds(60)) {
        ergebnis_ = einstellungenSuchen(ordner_.string(), std::chrono::steady_clock::now() + frist,
                                        eintraege);
        std::vector<std::string> ordner;
        for (const einstellungsfund& f : ergebnis_.funde) {
            ordner.push_back(f.ordner);
        }
        return ordner;
    }

    static std::string mitTrenner(const fs::path& p) { return (p / "").string(); }

    einstellungssuche ergebnis_;
};

// A home folder with the file in Wine prefixes, in "Documents", 8 folders
// deep, and where it does not count.
TEST_F(dateisuche, findetWoDerRoutenplanerAblegtNeuesteZuerst) {
    const auto alter = [](const fs::path& ordner, int stunden) {
        const fs::path datei = ordner / "ApplicationSettings.xml";
        fs::last_write_time(datei, fs::last_write_time(datei) - std::chrono::hours(stunden));
        return mitTrenner(ordner);
    };
    const std::string wine = alter(ablegen(".wine/drive_c/users/anna/AppData/Roaming/Navi/R"), 0);
    const std::string dokumente = alter(ablegen("Documents/Navi"), 1);
    const std::string bottles = alter(
        ablegen(".local/share/bottles/bottles/Navi/drive_c/users/anna/AppData/Roaming/A/B/C"), 2);
    const std::string tief = alter(ablegen("1/2/3/4/5/6/7/8"), 3);
    ablegen("1/2/3/4/5/6/7/8/9");
    ablegen(".cache/navi");
    ablegen("Documents/Leer", "<Name>Truck </Name><Name>Bus</Name>");
#ifdef _WIN32
    fs::create_directories(ordner_ / "Klein");
    schreiben(ordner_ / "Klein" / "applicationsettings.xml", mitProfil);
    EXPECT_EQ(suchen().size(), 6u) << "the whole profile folder, hidden folders too, any case";
    ASSERT_EQ(_putenv_s("USERPROFILE", ordner_.string().c_str()), 0);
    EXPECT_EQ(heimordner(), ordner_.string());
#else
    EXPECT_EQ(suchen(), (std::vector<std::string>{wine, dokumente, bottles, tief}));
#endif
    EXPECT_FALSE(ergebnis_.vorzeitig);
}

TEST(suchordner, tiefeUndVersteckteOrdner) {
    EXPECT_TRUE(suchordnerBetreten("Games/x/drive_c/1/2/3/4/5/6/7/8"));
    EXPECT_FALSE(suchordnerBetreten("Games/x/drive_c/1/2/3/4/5/6/7/8/9"));
#ifndef _WIN32
    for (const char* ja : {".local", ".local/share/wineprefixes/x/drive_c", ".cxoffice/y/drive_c/a",
                           ".PlayOnLinux/wineprefix/z/drive_c"}) {
        EXPECT_TRUE(suchordnerBetreten(ja)) << ja;
    }
    for (const char* nein :
         {".local/share/Steam", ".wine/dosdevices", ".wine/drive_c/.versteckt", "a/.git"}) {
        EXPECT_FALSE(suchordnerBetreten(nein)) << nein;
    }
#endif
}

// Cut short by a limit, the walk returns what it found until then.
TEST_F(dateisuche, grenzenGebenZurueckWasGefundenWurde) {
    ablegen("a");
    for (int i = 0; i < 50; ++i) {
        fs::create_directories(ordner_ / "b" / std::to_string(i));
    }
    EXPECT_EQ(suchen(3).size(), 1u) << "the first folder is read before the second";
    EXPECT_TRUE(ergebnis_.vorzeitig);
    EXPECT_TRUE(suchen(sucheintraege, std::chrono::seconds(-1)).empty());
    EXPECT_TRUE(ergebnis_.vorzeitig);
}

#ifndef _WIN32
// A file of that name far larger than any settings file (sparse here) is
// not read whole: the search neither throws nor waits for its bytes.
TEST_F(dateisuche, riesigeDateiWirdNichtGanzGelesen) {
    fs::resize_file(ablegen("Riesig") / "ApplicationSettings.xml", std::uintmax_t{1} << 40);
    EXPECT_NO_THROW(suchen());
}
#endif

#ifndef _WIN32
// Wine makes no links: on Windows the walk passes over every reparse point.
TEST_F(dateisuche, folgtKeinemLink) {
    const fs::path heim = ordner_ / "heim";
    ablegen("draussen");
    ablegen("heim/innen");
    fs::create_directory_symlink(ordner_ / "draussen", heim / "link");
    fs::create_directory_symlink(heim, heim / "innen" / "schleife");
    const einstellungssuche lauf = einstellungenSuchen(
        heim.string(), std::chrono::steady_clock::now() + std::chrono::seconds(60), 1000);
    ASSERT_EQ(lauf.funde.size(), 1u);
    EXPECT_EQ(lauf.funde[0].ordner, mitTrenner(heim / "innen"));
    EXPECT_FALSE(lauf.vorzeitig);
}
#endif

} // namespace
