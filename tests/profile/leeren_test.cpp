#include "leeren.h"

#include "laufzeitfehler.h"
#include "pfaddatei.h"
#include "speicherablage.h"

#include <gtest/gtest.h>

namespace {

// The hint is only the box's placeholder, never its text: a text could be
// saved as the folder.
TEST(leeren, setztAlleFelderLeertDenPfadLaesstDenRestStehen) {
    speicherablage f;
    f.felder.fill("1.0");
    f.ergebnisse.fill("49,5");
    f.pfad = "/alt/";
    f.aktiv = true;
    f.beschriftungen = {"LKW", "Kurze"};
    leeren(f);
    for (const std::string& feld : f.felder) {
        EXPECT_EQ(feld, "- - - -");
    }
    EXPECT_EQ(f.pfad, "");
    EXPECT_EQ(f.ergebnisse[15], "49,5");
    EXPECT_TRUE(f.aktiv);
    EXPECT_EQ(f.beschriftungen[0], "LKW");
}

TEST(pfaddatei, nurDieErsteZeileZaehlt) {
    const struct {
        std::string inhalt;
        std::string pfad;
    } faelle[] = {
        {"c:\\mn6\\", "c:\\mn6\\"},
        {"/daten/\r\nzweite Zeile\r\n", "/daten/"},
        {"/daten/\nweiter", "/daten/"},
        {"/daten/\rweiter", "/daten/"},
        {"\r\n", ""},
        {"\n/daten/", ""},
        {" /mit Blanks/ ", " /mit Blanks/ "},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(ersteZeile(f.inhalt), f.pfad);
    }
}

TEST(pfaddatei, eineLeereDateiHatKeineZeile) {
    try {
        ersteZeile("");
        ADD_FAILURE();
    } catch (const laufzeitfehler& f) {
        EXPECT_EQ(f.nummer(), 62);
    }
}

} // namespace
