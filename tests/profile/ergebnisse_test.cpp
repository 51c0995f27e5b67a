#include "ergebnisse.h"

#include "fehlernummer.h"
#include "feldpruefung.h"
#include "speicherablage.h"

#include <gtest/gtest.h>

namespace {

// Speeds 50 + k (town) and 80 + k (open road), vehicle factors 0.9, route
// factors 1.1 (town) and 1.0 (open road); specials and value 1.0.
speicherablage geladen() {
    speicherablage f;
    for (int k = 0; k < 8; ++k) {
        f.felder[20 + k] = std::to_string(50 + k);
        f.felder[28 + k] = std::to_string(80 + k);
        f.felder[k] = "0.9";
        f.felder[8 + k] = "0.9";
        f.felder[36 + k] = "1.1";
        f.felder[44 + k] = "1.0";
    }
    for (int i : {16, 17, 18, 19, 52, 53, 54, 55, 56}) {
        f.felder[i] = "1.0";
    }
    return f;
}

int verlassen(speicherablage& f, std::int16_t feld) {
    return fehlernummer([&] { feldVerlassen(f, feld); });
}

TEST(berechnen, stadtUndAusserortsJeStrassenklasse) {
    speicherablage f = geladen();
    berechnen(f);
    EXPECT_EQ(f.ergebnisse[0], "49,5");
    EXPECT_EQ(f.ergebnisse[7], "56,43");
    EXPECT_EQ(f.ergebnisse[8], "72");
    EXPECT_EQ(f.ergebnisse[15], "78,3");
}

TEST(berechnen, einFehlerLaesstDieSpaeterenKaestenStehen) {
    speicherablage f = geladen();
    f.felder[9] = "x"; // open-road vehicle factor of road class 1
    EXPECT_EQ(verlassen(f, 0), 13);
    EXPECT_EQ(f.ergebnisse[0], "49,5");
    EXPECT_EQ(f.ergebnisse[8], "72");
    EXPECT_EQ(f.ergebnisse[1], "50,49");
    EXPECT_EQ(f.ergebnisse[9], "-");
    EXPECT_EQ(f.ergebnisse[2], "-");
    EXPECT_EQ(f.ergebnisse[15], "-");
}

TEST(berechnen, ueberlaufBehaeltDenAltenText) {
    speicherablage f = geladen();
    f.felder[20] = "1E300";
    f.felder[0] = "1E300";
    EXPECT_EQ(verlassen(f, 1), 6);
    EXPECT_EQ(f.ergebnisse[0], "-");

    f.felder[0] = "1E8";
    f.felder[36] = "1E9";
    EXPECT_EQ(verlassen(f, 1), 6);
    EXPECT_EQ(f.ergebnisse[0], "-");
}

// Leaving a field tidies it and recomputes the products, which the product of
// its road class shows ("-": not computed).
TEST(feldVerlassen, kommaPunktUndNullKomma) {
    const struct {
        std::int16_t feld;
        const char* vorher;
        const char* nachher;
        int ergebnis;
        const char* produkt;
    } faelle[] = {
        {20, "90,5", "90.5", 0, "89,595"}, {20, "100", "100", 0, "99"}, // 100 x 0.9 x 1.1
        {35, "7", "7", 15, "6,3"},         {3, "1", "1.0", 3, "58,3"},  // 53 x 1 x 1.1
        {3, "1,25", "1.25", 3, "72,875"},  {3, "1.0", "1.0", 3, "58,3"},
        {17, "1,2,3", "1.2.3", 0, "49,5"}, {19, "2", "2.0", 0, "49,5"},
        {36, "0,7", "0.7", 0, "31,5"},     {56, "4", "4.0", 8, "72"}, // 50 x 0.9 x 0.7
        {55, "", "", 15, "78,3"},          {56, " ", " ", 8, "72"},
    };
    for (const auto& v : faelle) {
        speicherablage f = geladen();
        f.felder[v.feld] = v.vorher;
        EXPECT_EQ(verlassen(f, v.feld), 0) << v.feld << " " << v.vorher;
        EXPECT_EQ(f.felder[v.feld], v.nachher) << v.feld << " " << v.vorher;
        EXPECT_EQ(f.ergebnisse[v.ergebnis], v.produkt) << v.feld << " " << v.vorher;
    }
}

// A left field is marked as the write guard judges its tidied text, and a
// corrected text clears the mark: each case follows the one before.
TEST(feldVerlassen, markiertWasDieSchreibpruefungAblehnt) {
    using enum ablage::feldzustand;
    const struct {
        std::int16_t feld;
        const char* text;
        ablage::feldzustand zustand;
        std::string_view grund;
    } faelle[] = {
        {20, "abc", abgelehnt, "Keine Zahl"},
        {20, "90", gut, ""},
        {20, " ", abgelehnt, "Leer"},
        {20, "1E999", abgelehnt, "Zahl zu groß"},
        {20, "- - - -", nichtGeladen, "Nicht geladen"},
        {3, "|", abgelehnt, "Enthält „|“"},
        {3, "", abgelehnt, "Leer"}, // an emptied factor stays empty
        {56, "abc", abgelehnt, "Keine Zahl"},
        {56, "1,5", gut, ""},
    };
    speicherablage f = geladen();
    for (const auto& fall : faelle) {
        f.felder[fall.feld] = fall.text;
        verlassen(f, fall.feld);
        EXPECT_EQ(f.befunde[fall.feld].zustand, fall.zustand) << fall.text;
        EXPECT_EQ(f.befunde[fall.feld].grund, fall.grund) << fall.text;
        speicherablage nurDieses = geladen();
        nurDieses.felder[fall.feld] = f.felder[fall.feld];
        EXPECT_EQ(fehlernummer([&] {
                      felderPruefen(nurDieses,
                                    fall.feld < 36 ? profilart::fahrzeug : profilart::route);
                  }),
                  fall.zustand == gut ? 0 : 13)
            << fall.text;
    }
}

// A field that nothing was loaded into is left as it is, and computes nothing.
TEST(feldVerlassen, platzhalterBleibtStehen) {
    for (const std::int16_t feld : {3, 20}) {
        speicherablage f = geladen();
        f.felder[feld] = "- - - -";
        EXPECT_EQ(verlassen(f, feld), 0) << feld;
        EXPECT_EQ(f.felder[feld], "- - - -") << feld;
        EXPECT_EQ(f.ergebnisse[3], "-") << feld;
    }
}

TEST(feldVerlassen, unbekannterIndex) {
    speicherablage f = geladen();
    EXPECT_EQ(verlassen(f, 57), 340);
    EXPECT_EQ(verlassen(f, -1), 340);
}

} // namespace
