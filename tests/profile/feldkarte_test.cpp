#include "feldkarte.h"
#include "festtext.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(feldkarte, dieGruppenDeckenJedesFeldGenauEinmal) {
    std::multiset<int> felder;
    for (const feldgruppe& g : feldgruppen) {
        for (int i = 0; i < g.anzahl; ++i) {
            felder.insert(g.erstesFeld + i);
        }
    }
    ASSERT_EQ(felder.size(), 57u);
    for (int i = 0; i < 57; ++i) {
        EXPECT_EQ(felder.count(i), 1u) << "Feld " << i;
    }
}

TEST(feldkarte, nurDieFelder20Bis35SindGeschwindigkeiten) {
    for (std::int16_t i = -1; i <= 57; ++i) {
        const bool geschwindigkeit = i >= 20 && i <= 35;
        EXPECT_EQ(artDesFeldes(i) == feldart::geschwindigkeit, geschwindigkeit) << i;
    }
}

struct namensfall {
    profilart profil;
    std::string_view beschriftung;
    std::optional<std::string_view> name;
};

TEST(feldkarte, beschriftungenWerdenExaktZugeordnet) {
    const namensfall faelle[] = {
        {profilart::fahrzeug, "PKW schnell", "Car Fast"},
        {profilart::fahrzeug, "PKW normal", "Car Normal"},
        {profilart::fahrzeug, "PKW Normal", "Car Normal"},
        {profilart::fahrzeug, "PKW langs.", "Car Slow"},
        {profilart::fahrzeug, "Motorrad", "Motorcycle"},
        {profilart::fahrzeug, "LKW", "Truck"},
        {profilart::fahrzeug, "LKW ", std::nullopt},
        {profilart::fahrzeug, "pkw schnell", std::nullopt},
        {profilart::fahrzeug, "Schnelle", std::nullopt},
        {profilart::route, "Schnelle", "Fastest"},
        {profilart::route, "Optimale", "Optimal"},
        {profilart::route, "Kurze", "Shortest"},
        {profilart::route, "Schöne"_cp1252, "Curvy"},
        {profilart::route, "Schöne", std::nullopt}, // UTF-8 is not Windows-1252
        {profilart::route, "", std::nullopt},
    };
    for (const namensfall& f : faelle) {
        EXPECT_EQ(profilname(f.profil, f.beschriftung), f.name) << f.beschriftung;
    }
    EXPECT_EQ(vorgabename(profilart::fahrzeug), "Car Fast");
    EXPECT_EQ(vorgabename(profilart::route), "Fastest");
}

} // namespace
