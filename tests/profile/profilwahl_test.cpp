#include "profilwahl.h"

#include "fehlernummer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A profile stands where "<Name>" is directly followed by its name; the name
// mentioned before it does not count. Long texts take the block scan.
TEST(profilwahl, dasProfilStehtHinterDerNamensmarke) {
    const std::string weit(200, ' ');
    const struct {
        std::string text;
        std::size_t stelle; // 1-based, of the name
    } faelle[] = {
        {"<Name>Car Fast</Name>", 7},
        {"Car Fast <Name>Car Fast", 16},
        {"Name>Car Fast<Name>Car Fast", 20},
        {"<Zuletzt>Car Fast</Zuletzt><Name>Fastest<Name>Car Fast", 47},
        {weit + "Car Fast" + weit + "<Name>Car Fast", 415},
        {weit + "<Name>Car Fast" + weit + "<Name>Fastest", 207},
        {"Car Fast", 0},
        {"<Name>Car Slow", 0},
        {"", 0},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(profilstelle(f.text, "Car Fast"), f.stelle) << f.text;
        const auto beide = profilstellen(f.text, "Car Fast", "Fastest");
        EXPECT_EQ(beide.first, f.stelle) << f.text;
        EXPECT_EQ(beide.second, profilstelle(f.text, "Fastest")) << f.text;
    }
}

TEST(profilwahl, unbekannteBeschriftung) {
    EXPECT_EQ(gewaehlterName(profilart::fahrzeug, "LKW", zweck::schreiben), "Truck");
    EXPECT_EQ(gewaehlterName(profilart::route, "Bus", zweck::laden), "Fastest");
    EXPECT_EQ(fehlernummer([] { gewaehlterName(profilart::fahrzeug, "Bus", zweck::schreiben); }),
              5);
}

} // namespace
