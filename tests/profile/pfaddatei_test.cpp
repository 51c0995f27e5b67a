#include "arbeitsordner.h"
#include "fehlernummer.h"
#include "pfaddatei.h"
#include "profilformular.h"
#include "speicherablage.h"
#include "zeichensatz.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

TEST(pfaddatei, utf8OderWindows1252) {
    const struct {
        const char* fall;
        std::string inhalt;
        std::string pfad; // UTF-8
    } faelle[] = {
        {"ASCII", "/home/anna/navi/", "/home/anna/navi/"},
        {"UTF-8", "/home/j\xC3\xBCrgen/", "/home/j\xC3\xBCrgen/"},
        {"UTF-8 outside Windows-1252",
         "/\xC5\x81\xC3\xB3\x64\xC5\xBA \xE2\x80\x93 A\xC4\x9Fr\xC4\xB1/",
         "/\xC5\x81\xC3\xB3\x64\xC5\xBA \xE2\x80\x93 A\xC4\x9Fr\xC4\xB1/"},
        {"four-byte character", "/\xF0\x9F\x9A\x97/", "/\xF0\x9F\x9A\x97/"},
        {"UTF-8 with byte-order mark",
         "\xEF\xBB\xBF/gr\xC3\xB6\xC3\x9F"
         "e/",
         "/gr\xC3\xB6\xC3\x9F"
         "e/"},
        {"Windows-1252", "/home/j\xFCrgen/", "/home/j\xC3\xBCrgen/"},
        {"Windows-1252 with byte-order mark", "\xEF\xBB\xBF/j\xFCrgen/", "/j\xC3\xBCrgen/"},
        {"UTF-8, a further line in Windows-1252", "/j\xC3\xBCrgen/\r\n/j\xFCrgen/",
         "/j\xC3\xBCrgen/"},
        {"Windows-1252, a lone euro sign", "/\x80/", "/\xE2\x82\xAC/"},
        {"Windows-1252, byte at the end", "C:\\Stra\xDF", "C:\\Stra\xC3\x9F"},
        {"overlong form", "/\xC0\xAF/", "/\xC3\x80\xC2\xAF/"},
        {"surrogate", "/\xED\xA0\x80/", "/\xC3\xAD\xC2\xA0\xE2\x82\xAC/"},
        {"cut-off sequence", "/\xE2\x82", "/\xC3\xA2\xE2\x80\x9A"},
    };
    for (const auto& fall : faelle) {
        EXPECT_EQ(ausPfaddatei(fall.inhalt), fall.pfad) << fall.fall;
    }
}

// UTF-8 elsewhere; on Windows Windows-1252, which older readers there read
// too, where it holds every letter and cannot be misread as UTF-8. Either
// way every path of one line comes back.
TEST(pfaddatei, geschriebenInDerKodierungDerPlattform) {
    const std::string lodz = "C:\\\xC5\x81\xC3\xB3\x64\xC5\xBA\\";
#ifdef _WIN32
    EXPECT_EQ(fuerPfaddatei("C:\\j\xC3\xBCrgen\\\xE2\x82\xAC"), "C:\\j\xFCrgen\\\x80");
    EXPECT_EQ(fuerPfaddatei(lodz), "\xEF\xBB\xBF" + lodz);
    EXPECT_EQ(fuerPfaddatei("C:\\\xC3\x83\xC2\xBC"), "\xEF\xBB\xBF"
                                                     "C:\\\xC3\x83\xC2\xBC")
        << "\"\xC3\x83\xC2\xBC\" in Windows-1252 would read back as UTF-8";
#else
    EXPECT_EQ(fuerPfaddatei(lodz), lodz);
#endif
    for (int b = 0; b < 256; ++b) {
        if (b == '\n' || b == '\r') {
            continue; // a line end ends the path
        }
        const std::string pfad = nachUtf8(std::string(1, static_cast<char>(b))) + lodz;
        EXPECT_EQ(ausPfaddatei(fuerPfaddatei(pfad)), pfad) << b;
    }
}

using pfaddateiImOrdner = arbeitsordner;

TEST_F(pfaddateiImOrdner,
       handgeschriebenesUtf8WirdGeladenUndInDerKodierungDerPlattformGespeichert) {
    const fs::path ordner = ordner_ / u8"jürgen";
    fs::create_directory(ordner);
    schreiben(ordner / "ApplicationSettings.xml", demotext());
    schreiben("ini.txt", ordner.string() + "/\n");
    speicherablage fenster;
    profilformular formular(fenster);
    formular.lesen();
    EXPECT_EQ(fenster.felder[20], "80");

    formular.pfadUmschalten();
    formular.pfadUmschalten();
#ifdef _WIN32
    EXPECT_EQ(lesen("ini.txt"), ordner_.string() + "\\j\xFCrgen/");
#else
    EXPECT_EQ(lesen("ini.txt"), ordner.string() + "/");
#endif
    EXPECT_EQ(fenster.felder[20], "80");
}

// A NUL in a hand-edited "ini.txt" would end the name early and reach
// another file: the load refuses it.
TEST_F(pfaddateiImOrdner, nullzeichenImPfadWirdAbgewiesen) {
    const fs::path daten = einstellungen(demotext()).parent_path();
    schreiben("ini.txt", daten.string() + std::string("/\0x/", 4));
    speicherablage fenster;
    profilformular formular(fenster);
    EXPECT_EQ(fehlernummer([&] { formular.lesen(); }), 52);
    EXPECT_EQ(fenster.felder[20], "- - - -");
}

} // namespace
