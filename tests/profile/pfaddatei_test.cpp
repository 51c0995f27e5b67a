#include "arbeitsordner.h"
#include "pfaddatei.h"
#include "profilformular.h"
#include "speicherablage.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

TEST(pfaddatei, utf8OderWindows1252) {
    const struct {
        const char* fall;
        std::string inhalt;
        std::string pfad; // Windows-1252
    } faelle[] = {
        {"ASCII", "/home/anna/navi/", "/home/anna/navi/"},
        {"UTF-8", "/home/j\xC3\xBCrgen/", "/home/j\xFCrgen/"},
        {"UTF-8, euro sign and four-byte character", "\xE2\x82\xAC/\xF0\x9F\x9A\x97/", "\x80/?/"},
        {"UTF-8 with byte-order mark",
         "\xEF\xBB\xBF/gr\xC3\xB6\xC3\x9F"
         "e/",
         "/gr\xF6\xDF"
         "e/"},
        {"UTF-8, a character Windows-1252 lacks", "/\xC5\x82odz/", "/?odz/"},
        {"Windows-1252", "/home/j\xFCrgen/", "/home/j\xFCrgen/"},
        {"Windows-1252, byte at the end", "C:\\Stra\xDF", "C:\\Stra\xDF"},
        {"overlong form", "/\xC0\xAF/", "/\xC0\xAF/"},
        {"surrogate", "/\xED\xA0\x80/", "/\xED\xA0\x80/"},
        {"above U+10FFFF", "/\xF4\x90\x80\x80/", "/\xF4\x90\x80\x80/"},
        {"cut-off sequence", "/\xE2\x82", "/\xE2\x82"},
        {"Windows-1252, a lead byte before letters", "/m\xE4rz/", "/m\xE4rz/"},
        {"Windows-1252, a two-byte lead before letters",
         "/Stra\xDF"
         "e/",
         "/Stra\xDF"
         "e/"},
    };
    for (const auto& fall : faelle) {
        EXPECT_EQ(ausPfaddatei(fall.inhalt), fall.pfad) << fall.fall;
    }
}

// Windows-1252 on Windows, which the route planner there reads too; UTF-8
// elsewhere. Either way every byte comes back.
TEST(pfaddatei, geschriebenInDerKodierungDerPlattform) {
#ifdef _WIN32
    EXPECT_EQ(fuerPfaddatei("C:\\j\xFCrgen\\\x80\x81"), "C:\\j\xFCrgen\\\x80\x81");
#else
    EXPECT_EQ(fuerPfaddatei("/home/j\xFCrgen/\x80\x81"),
              "/home/j\xC3\xBCrgen/\xE2\x82\xAC\xC2\x81");
#endif
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(ausPfaddatei(fuerPfaddatei(byte)), byte) << b;
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

} // namespace
