#include "feldkarte.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <span>

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

// Each caption finds the name of the first row that has it, in its own
// table only; a caption that differs by a letter's case, a blank or its
// encoding finds nothing. A caption that names nothing loads the first row.
TEST(feldkarte, beschriftungenWerdenExaktZugeordnet) {
    const std::pair<profilart, std::span<const namenszeile>> tabellen[] = {
        {profilart::fahrzeug, fahrzeugnamen}, {profilart::route, routennamen}};
    for (const auto& [profil, tabelle] : tabellen) {
        const profilart andere =
            profil == profilart::fahrzeug ? profilart::route : profilart::fahrzeug;
        for (const namenszeile& zeile : tabelle) {
            const std::string b(zeile.beschriftung);
            const auto erste =
                std::ranges::find(tabelle, zeile.beschriftung, &namenszeile::beschriftung);
            EXPECT_EQ(profilname(profil, b), erste->name) << b;
            EXPECT_EQ(profilname(andere, b), std::nullopt) << b;
            std::string klein = b;
            klein[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(b[0])));
            for (const std::string& fast : {b + " ", " " + b, klein}) {
                EXPECT_EQ(profilname(profil, fast), std::nullopt) << fast;
            }
        }
        EXPECT_EQ(vorgabename(profil), tabelle.front().name);
    }
    EXPECT_EQ(profilname(profilart::route, "Schöne"), std::nullopt); // UTF-8, not Windows-1252
    EXPECT_EQ(profilname(profilart::route, ""), std::nullopt);
}

} // namespace
