#include "textroutine.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

struct fall {
    const char* name;
    std::string text;
    std::string such1, such2, such3, suchnach1, suchnach2, suchnach3;
    std::array<std::string, 3> erwartet;
};

void PrintTo(const fall& f, std::ostream* os) {
    *os << f.name;
}

class zerlegeFaelle : public ::testing::TestWithParam<fall> {};

TEST_P(zerlegeFaelle, liefertDieDreiElemente) {
    const fall& f = GetParam();
    const teilstuecke teile = textroutine{}.zerlege(f.text, f.such1, f.such2, f.such3, f.suchnach1,
                                                    f.suchnach2, f.suchnach3);
    EXPECT_EQ(teile[0], f.erwartet[0]);
    EXPECT_EQ(teile[1], f.erwartet[1]);
    EXPECT_EQ(teile[2], f.erwartet[2]);
    const bool fehler =
        teile[0].ends_with("ERROR") || teile[1].ends_with("ERROR") || teile[2].ends_with("ERROR");
    EXPECT_EQ(textroutine::istFehler(teile), fehler);
    if (!fehler) {
        EXPECT_EQ(std::string(teile[0]) + std::string(teile[1]) + std::string(teile[2]), f.text);
    }
}

const std::string profil = "<SpeedProfile><Name>Car Fast</Name><City>1|2</City>"
                           "<PreferenceFactor><City>0.9|1.0</City></PreferenceFactor>"
                           "</SpeedProfile>";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    randfaelle, zerlegeFaelle,
    ::testing::Values(
        fall{"dreiOeffnendeMarken", profil, "Car Fast", "<PreferenceFactor>", "<City>", "</City>", "", "", {profil.substr(0, profil.find("0.9")), "0.9|1.0", profil.substr(profil.find("</City></Pref"))}},
        fall{"ohneSuch3", profil, "Car Fast", "<City>", "", "</City>", "", "", {profil.substr(0, profil.find("1|2")), "1|2", profil.substr(profil.find("</City>"))}},
        fall{"such1AmAnfangOhneSuch2", "abc</x>", "abc", "", "", "</x>", "", "", {"abc", "", "</x>"}},
        fall{"schlussmarkeDirektDahinter", "<a></a>rest", "<a>", "", "", "</a>", "", "", {"<a>", "", "</a>rest"}},
        fall{"grossKleinschreibungZaehlt", profil, "car fast", "", "", "</City>", "", "", {"such1 ERROR", "", ""}},
        fall{"ersterTrefferZaehlt", "Car Fast2 <v>a</v> Car Fast <v>b</v>", "Car Fast", "<v>", "", "</v>", "", "", {"Car Fast2 <v>", "a", "</v> Car Fast <v>b</v>"}},
        fall{"such3OhneSuch2WirdNichtGesucht", "N<x>1</x>", "N", "", "fehlt", "</x>", "", "", {"N", "<x>1", "</x>"}},
        fall{"suchnach3OhneSuchnach2WirdNichtGesucht", "N<x>1</x>", "N<x>", "", "", "</x>", "", "fehlt", {"N<x>", "1", "</x>"}},
        fall{"such2Fehlt", profil, "Car Fast", "<Open>", "", "</Open>", "", "", {"", "such2 ERROR", ""}},
        fall{"such3Fehlt", profil, "Car Fast", "<City>", "<Open>", "</Open>", "", "", {"", "", "such3 ERROR"}},
        fall{"schlussmarkeNurDavor", "</x>N<x>1", "N", "<x>", "", "</x>", "", "", {"suchnach1 ERROR", "", ""}},
        fall{"textEndetHinterDerMarke", "N<x>", "N", "<x>", "", "</x>", "", "", {"suchnach1 ERROR", "", ""}},
        fall{"suchnach2GleichSuchnach1", "N<x>1</x>2</x>", "N<x>", "", "", "</x>", "</x>", "", {"N<x>", "1", "</x>2</x>"}},
        fall{"suchnach2UndSuchnach3", "N<x>1</a>2</b>3", "N<x>", "", "", "</a>", "2", "</b>", {"N<x>", "1</a>2", "</b>3"}},
        fall{"suchnach2Fehlt", "N<x>1</a>", "N<x>", "", "", "</a>", "</b>", "", {"", "suchnach2 ERROR", ""}},
        fall{"suchnach3Fehlt", "N<x>1</a>", "N<x>", "", "", "</a>", "</a>", "</c>", {"", "", "suchnach3 ERROR"}},
        fall{"leeresSuch1AufText", "<x>1</x>", "", "<x>", "", "</x>", "", "", {"<x>", "1", "</x>"}},
        fall{"leeresSuch1AufLeeremText", "", "", "", "", "", "", "", {"such1 ERROR", "", ""}},
        fall{"leeresSuchnach1TrifftDenWertanfang", "N<x>1", "N", "<x>", "", "", "", "", {"N<x>", "", "1"}},
        fall{"leeresSuchnach1AmTextende", "N<x>", "N", "<x>", "", "", "", "", {"suchnach1 ERROR", "", ""}},
        fall{"markeUeberDasEndeHinaus", "N<x>1</x", "N", "<x>", "", "</x>", "", "", {"suchnach1 ERROR", "", ""}}),
    [](const ::testing::TestParamInfo<fall>& info) { return std::string(info.param.name); });
// clang-format on

// The plain split knows no profiles; within a part of the text, a marker
// counts only where it lies wholly in front of the part's end, and the
// elements still cover the whole text.
TEST(zerlege, imBereichZaehltNurWasGanzDarinLiegt) {
    const std::string text = "Car Fast<City>1</City> Truck<Open>7</Open>";
    const std::size_t truck = text.find(" Truck");
    const textroutine r;
    EXPECT_EQ(r.zerlege(text, "Car Fast", "<Open>", "", "</Open>", "", "")[1], "7");
    EXPECT_EQ(r.zerlegeAb(text, 1, truck, "Car Fast", "<Open>", "", "</Open>", "", "")[1],
              textroutine::such2Fehler);
    const teilstuecke stadt =
        r.zerlegeAb(text, 1, truck, "Car Fast", "<City>", "", "</City>", "", "");
    EXPECT_EQ(stadt[1], "1");
    EXPECT_EQ(std::string(stadt[0]) + std::string(stadt[1]) + std::string(stadt[2]), text);
    EXPECT_EQ(r.zerlegeAb(text, 1, text.find("</City>") + 6, "Car Fast", "<City>", "", "</City>",
                          "", "")[0],
              textroutine::suchnach1Fehler);
}

TEST(zerlege, einTextMitEinemFehlertextAlsWertIstKeinFehler) {
    const std::string text = "N<x>such1 ERROR</x>";
    const teilstuecke teile = textroutine{}.zerlege(text, "N", "<x>", "", "</x>", "", "");
    EXPECT_EQ(teile[1], "such1 ERROR");
    EXPECT_FALSE(textroutine::istFehler(teile));
}

TEST(finde, positionenSindEinsBasiert) {
    EXPECT_EQ(finde("abcabc", "bc", 1), 2u);
    EXPECT_EQ(finde("abcabc", "bc", 3), 5u);
    EXPECT_EQ(finde("abcabc", "bc", 6), 0u);
    EXPECT_EQ(finde("abc", "", 3), 3u);
    EXPECT_EQ(finde("abc", "", 4), 0u);
    EXPECT_EQ(finde(std::string_view("a\0bc", 4), "c", 1), 4u); // bytes, not C strings
}

// The first occurrence at or behind every start position, as a plain search
// finds it, wherever the marker stands relative to the blocks the search
// scans. Over two letters, candidates whose first and last bytes match but
// whose middle does not are everywhere.
TEST(finde, gleichtDerSchlichtenSucheAnJederStelle) {
    std::mt19937 zufall(7);
    const auto buchstaben = [&](std::size_t n) {
        std::string s(n, 'a');
        for (char& z : s) {
            z = "ab"[zufall() % 2];
        }
        return s;
    };
    for (const std::size_t laenge : {1, 2, 8, 70}) {
        for (std::size_t textlaenge = 80; textlaenge < 320; textlaenge += 13) {
            std::string text = buchstaben(textlaenge);
            const std::string marke = buchstaben(laenge);
            text.replace(zufall() % (textlaenge - laenge), laenge, marke);
            const auto schlicht = [&](const std::string& m, std::size_t ab) {
                const std::size_t stelle = text.find(m, ab - 1);
                return stelle == std::string::npos ? 0 : stelle + 1;
            };
            for (std::size_t ab = 1; ab <= text.size() + 1; ++ab) {
                ASSERT_EQ(finde(text, marke, ab), schlicht(marke, ab))
                    << text << " / " << marke << " ab " << ab;
            }
        }
    }
}

} // namespace
