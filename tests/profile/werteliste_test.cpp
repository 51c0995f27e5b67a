#include "werteliste.h"

#include "fehlernummer.h"
#include "speicherablage.h"

#include <gtest/gtest.h>

namespace {

struct listenfall {
    std::string liste;
    std::int16_t anzahl;
    std::vector<std::string> felder;
};

TEST(werteliste, verteilenUndZusammensetzenGebenDieListeZurueck) {
    const listenfall faelle[] = {
        {"1|2|3|4", 4, {"1", "2", "3", "4"}},
        {"|a||b|", 5, {"", "a", "", "b", ""}},
        {" 1 | 2 ", 2, {" 1 ", " 2 "}},
        {"1|2|3|4", 3, {"1", "2", "3|4"}},
        {"a|b", 1, {"a|b"}},
        {"", 1, {""}},
        {"0.9|1.0|1.1|1.2|1.3|1.4|1.5|1.6",
         8,
         {"0.9", "1.0", "1.1", "1.2", "1.3", "1.4", "1.5", "1.6"}},
    };
    for (const listenfall& f : faelle) {
        speicherablage fenster;
        verteilen(fenster, f.liste, 10, f.anzahl);
        for (std::size_t i = 0; i < f.felder.size(); ++i) {
            EXPECT_EQ(fenster.felder[10 + i], f.felder[i]) << f.liste << " Feld " << i;
        }
        EXPECT_EQ(fenster.felder[10 + f.felder.size()], "") << f.liste;
        EXPECT_EQ(verbinden(fenster, 10, f.anzahl), f.liste);
    }
}

TEST(werteliste, nullOderWenigerFelderVerhaltenSichBeimVerteilenWieEines) {
    for (std::int16_t anzahl : {0, -1, -32766}) {
        speicherablage fenster;
        verteilen(fenster, "a|b", 5, anzahl);
        EXPECT_EQ(fenster.felder[5], "a|b") << anzahl;
        EXPECT_EQ(verbinden(fenster, 5, anzahl), "") << anzahl;
    }
}

TEST(werteliste, zuWenigeTrennerFuellenNurDieFelderDavor) {
    speicherablage fenster;
    fenster.felder.fill("alt");
    EXPECT_EQ(fehlernummer([&] { verteilen(fenster, "1|2|3", 0, 8); }), 5);
    EXPECT_EQ(fenster.felder[0], "1");
    EXPECT_EQ(fenster.felder[1], "2");
    EXPECT_EQ(fenster.felder[2], "alt");
    EXPECT_EQ(fenster.felder[7], "alt");

    speicherablage leer;
    leer.felder.fill("alt");
    EXPECT_EQ(fehlernummer([&] { verteilen(leer, "", 0, 2); }), 5);
    EXPECT_EQ(leer.felder[0], "alt");
}

TEST(werteliste, indexUndUeberlauffehler) {
    speicherablage fenster;
    fenster.felder.fill("alt");
    EXPECT_EQ(fehlernummer([&] { verteilen(fenster, "a|b|c", 55, 3); }), 340);
    EXPECT_EQ(fenster.felder[55], "a");
    EXPECT_EQ(fenster.felder[56], "b");
    EXPECT_EQ(fehlernummer([&] { verteilen(fenster, "a", -1, 1); }), 340);
    EXPECT_EQ(fehlernummer([&] { (void)verbinden(fenster, 50, 8); }), 340);

    EXPECT_EQ(fehlernummer([&] { verteilen(fenster, "a", 0, -32767); }), 6);
    EXPECT_EQ(fehlernummer([&] { verteilen(fenster, "a", 0, -32768); }), 6);
    EXPECT_EQ(fehlernummer([&] { (void)verbinden(fenster, 0, -32768); }), 6);
    EXPECT_EQ(fehlernummer([&] { verteilen(fenster, "a|b", 32767, 3); }), 340);
    EXPECT_EQ(fehlernummer([&] { (void)verbinden(fenster, 32767, 2); }), 340);
}

TEST(werteliste, einGetippterTrennerVerschiebtDieWerte) {
    speicherablage fenster;
    verteilen(fenster, "1|2|3", 0, 3);
    fenster.felder[1] = "2|9";
    const std::string gespeichert = verbinden(fenster, 0, 3);
    EXPECT_EQ(gespeichert, "1|2|9|3");
    verteilen(fenster, gespeichert, 0, 3);
    EXPECT_EQ(fenster.felder[1], "2");
    EXPECT_EQ(fenster.felder[2], "9|3");
}

} // namespace
