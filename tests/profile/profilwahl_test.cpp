#include "profilwahl.h"

#include "fehlernummer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A profile stands where "<Name>" is directly followed by its whole name and
// "<"; the name mentioned before it, or a longer name, does not count. It
// ends where "<Name>" is followed by the start of any profile name, also far
// behind.
TEST(profilwahl, dasProfilStehtHinterDerNamensmarke) {
    const std::string weit(200, ' ');
    const struct {
        std::string text;
        std::size_t stelle; // 1-based, of the name
        std::size_t ende;   // 0-based
    } faelle[] = {
        {"<Name>Car Fast</Name>", 7, 21},
        {"Car Fast <Name>Car Fast<", 16, 24},
        {"Name>Car Fast<Name>Car Fast<", 20, 28},
        {"<Zuletzt>Car Fast</Zuletzt><Name>Fastest<Name>Car Fast<", 47, 55},
        {weit + "Car Fast" + weit + "<Name>Car Fast<", 415, 423},
        {weit + "<Name>Car Fast<" + weit + "<Name>Fastest", 207, 415},
        {"<Name>Car Fast<Name>Bus<Name>Truck", 7, 23},
        {"<Name>Car Fast<Name>Car Fast", 7, 14},
        {"<Name>Car Fast 2</Name><Name>Car Fast</Name>", 30, 44},
        {"<Name>Car Fast</Name><Name>Car Fast 2</Name>", 7, 21},
        {"<Name>Car Fast", 0, 0},
        {"Car Fast", 0, 0},
        {"<Name>Car Slow", 0, 0},
        {"", 0, 0},
    };
    for (const auto& f : faelle) {
        const profilbereich erwartet{f.stelle, f.ende};
        EXPECT_EQ(profilSuchen(f.text, "Car Fast"), erwartet) << f.text;
        const auto [fahrzeug, route] = profileSuchen(f.text, "Car Fast", "Fastest");
        EXPECT_EQ(fahrzeug, erwartet) << f.text;
        EXPECT_EQ(route, profilSuchen(f.text, "Fastest")) << f.text;
    }
}

TEST(profilwahl, unbekannteBeschriftung) {
    EXPECT_EQ(gewaehlterName(profilart::fahrzeug, "LKW", zweck::schreiben), "Truck");
    EXPECT_EQ(gewaehlterName(profilart::route, "Bus", zweck::laden), "Fastest");
    EXPECT_EQ(fehlernummer([] { gewaehlterName(profilart::fahrzeug, "Bus", zweck::schreiben); }),
              5);
}

} // namespace
