#include "feldkarte.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>

namespace {

using enum profilart;

struct gruppenzeile {
    int erstesFeld;
    int anzahl;
    profilart profil;
    feldart art;
    std::string_view such2;
    std::string_view such3;
    std::string_view suchnach1;
};

// The field map written out here on its own, not taken from the table under
// test: each group's fields, profile, kind and markers, in the loader's
// order. The route specials carry the markers the load searches with; the
// writer uses the same ones.
TEST(feldkarte, dieGruppenStehenWieFestgelegt) {
    constexpr feldart g = feldart::geschwindigkeit;
    constexpr feldart f = feldart::faktor;
    const gruppenzeile erwartet[] = {
        {20, 8, fahrzeug, g, "<City>", "", "</City>"},
        {28, 8, fahrzeug, g, "<Open>", "", "</Open>"},
        {0, 8, fahrzeug, f, "<PreferenceFactor>", "<City>", "</City>"},
        {8, 8, fahrzeug, f, "<PreferenceFactor>", "<Open>", "</Open>"},
        {16, 4, fahrzeug, f, "<Special>", "", "</Special>"},
        {36, 8, route, f, "<PreferenceFactor>", "<City>", "</City>"},
        {44, 8, route, f, "<PreferenceFactor>", "<Open>", "</Open>"},
        {52, 4, route, f, "<PreferenceFactor>", "<Special>", "</Special>"},
        {56, 1, route, f, "<Value>", "", "</Value>"},
    };
    ASSERT_EQ(feldgruppen.size(), std::size(erwartet));
    for (std::size_t i = 0; i < feldgruppen.size(); ++i) {
        const feldgruppe& ist = feldgruppen[i];
        const gruppenzeile& soll = erwartet[i];
        SCOPED_TRACE("Gruppe " + std::to_string(i + 1));
        EXPECT_EQ(ist.erstesFeld, soll.erstesFeld);
        EXPECT_EQ(ist.anzahl, soll.anzahl);
        EXPECT_EQ(ist.profil, soll.profil);
        EXPECT_EQ(ist.art, soll.art);
        EXPECT_EQ(ist.such2, soll.such2);
        EXPECT_EQ(ist.such3, soll.such3);
        EXPECT_EQ(ist.suchnach1, soll.suchnach1);
    }
}

TEST(feldkarte, nurDieFelder20Bis35SindGeschwindigkeiten) {
    for (std::int16_t i = -1; i <= 57; ++i) {
        const bool geschwindigkeit = i >= 20 && i <= 35;
        EXPECT_EQ(artDesFeldes(i) == feldart::geschwindigkeit, geschwindigkeit) << i;
    }
}

// Each caption gives its profile name in its own table only; a caption that
// differs by a letter's case, a blank or its encoding gives nothing. A
// caption that names nothing loads the first row's profile.
TEST(feldkarte, beschriftungenWerdenExaktZugeordnet) {
    const struct {
        profilart profil;
        std::string beschriftung;
        std::string_view name;
    } zeilen[] = {
        {fahrzeug, "PKW schnell", "Car Fast"}, {fahrzeug, "PKW normal", "Car Normal"},
        {fahrzeug, "PKW langs.", "Car Slow"},  {fahrzeug, "PKW Normal", "Car Normal"},
        {fahrzeug, "Motorrad", "Motorcycle"},  {fahrzeug, "LKW", "Truck"},
        {route, "Schnelle", "Fastest"},        {route, "Optimale", "Optimal"},
        {route, "Kurze", "Shortest"},          {route, std::string("Schöne"_cp1252), "Curvy"},
    };
    for (const auto& [profil, b, name] : zeilen) {
        EXPECT_EQ(profilname(profil, b), name) << b;
        EXPECT_EQ(profilname(profil == fahrzeug ? route : fahrzeug, b), std::nullopt) << b;
        std::string klein = b;
        klein[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(b[0])));
        for (const std::string& fast : {b + " ", " " + b, klein}) {
            EXPECT_EQ(profilname(profil, fast), std::nullopt) << fast;
        }
    }
    EXPECT_EQ(vorgabename(fahrzeug), "Car Fast");
    EXPECT_EQ(vorgabename(route), "Fastest");
    EXPECT_EQ(profilname(route, "Schöne"), std::nullopt); // UTF-8, not Windows-1252
    EXPECT_EQ(profilname(route, ""), std::nullopt);
}

} // namespace
