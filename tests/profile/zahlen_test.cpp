#include "zahlen.h"

#include "laufzeitfehler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace {

TEST(zahlText, fuenfzehnStellenMitKomma) {
    const struct {
        double wert;
        const char* text;
    } faelle[] = {
        {50 * 0.9 * 1.1, "49,5"},
        {100 * 0.9 * 0.7, "63"},
        {3 * 0.1 * 1.0, "0,3"},
        {50 * 0.8 * 1.2, "48"},
        {1e15, "1E+15"},
        {0.00001, "1E-05"},
        {0.0001, "0,0001"},
        {-0.0, "0"},
        {0.0, "0"},
        {123456789012345678.0, "1,23456789012346E+17"},
        {999999999999999.0, "999999999999999"},
        {999999999999999.9, "1E+15"},
        {-2.5, "-2,5"},
        {120, "120"},
        {-4096, "-4096"},
        {1.5e-7, "1,5E-07"},
        {1e100, "1E+100"},
        {-1e-300, "-1E-300"},
        {0.000123456, "0,000123456"},
        {std::numeric_limits<double>::max(), "1,79769313486232E+308"},
        {0.9999999999999999, "1"}, // every digit carries
        // Shortest digits ending in a 5 behind the 15th: the value itself
        // lies above or below that midpoint.
        {2.227663327295775, "2,22766332729578"},
        {6.717080964823625, "6,71708096482362"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(zahlText(f.wert), f.text) << f.wert;
    }
}

// Products of decimals with a few places, the common case, show as printf's
// "%.15g" shows them, with a comma.
TEST(zahlText, produkteWieDieCBibliothek) {
    std::mt19937_64 zufall(21);
    const auto dezimal = [&] {
        return static_cast<double>(zufall() % 100000 + 1) /
               std::pow(10.0, static_cast<double>(zufall() % 4));
    };
    for (int n = 0; n < 100000; ++n) {
        const double wert = dezimal() * dezimal() * dezimal() * (n % 2 == 0 ? 1 : -1);
        char gezeigt[40];
        std::snprintf(gezeigt, sizeof gezeigt, "%.15g", wert);
        std::string erwartet(gezeigt);
        std::replace(erwartet.begin(), erwartet.end(), '.', ',');
        if (erwartet.find('e') == std::string::npos) { // the exponent form is written otherwise
            ASSERT_EQ(zahlText(wert), erwartet);
        }
    }
}

TEST(zahlLesen, deutschesFormatMitPunktAlsKomma) {
    const struct {
        const char* text;
        double wert;
    } faelle[] = {
        {"0.85", 0.85},  {"0,85", 0.85},
        {"80", 80},      {"  1.5  ", 1.5},
        {"-2", -2},      {"+3", 3},
        {",5", 0.5},     {"5.", 5},
        {"1E3", 1000},   {"1e-2", 0.01},
        {"2,5E+2", 250}, {"007", 7},
        {"1E-400", 0},   {"-0", 0},
        {"0E999999", 0}, {"0.000000000000000000000000000000000000000000000000001E-300", 0},
    };
    for (const auto& f : faelle) {
        EXPECT_DOUBLE_EQ(zahlLesen(f.text), f.wert) << f.text;
    }
}

// Random decimals of up to 18 digits read exactly as the C library reads
// them, through the short form's own path and through the general one; and
// random values show their 15-digit rounding exactly as printf rounds it.
TEST(zahlen, wieDieCBibliothek) {
    std::mt19937_64 zufall(16);
    const auto ziffer = [&] { return static_cast<char>('0' + zufall() % 10); };
    for (int n = 0; n < 100000; ++n) {
        std::string text = zufall() % 4 == 0 ? "-" : "";
        const auto ganz = zufall() % 10;
        const auto bruch = zufall() % 10;
        for (std::uint64_t i = 0; i < ganz; ++i) {
            text += ziffer();
        }
        text += '.';
        for (std::uint64_t i = 0; i < bruch || ganz + i == 0; ++i) {
            text += ziffer();
        }
        ASSERT_EQ(zahlLesen(text), std::strtod(text.c_str(), nullptr)) << text;

        const double wert =
            std::ldexp(static_cast<double>(zufall() >> 11), static_cast<int>(zufall() % 200) - 150);
        char gerundet[40];
        std::snprintf(gerundet, sizeof gerundet, "%.14e", wert);
        std::string gezeigt = zahlText(wert);
        std::replace(gezeigt.begin(), gezeigt.end(), ',', '.');
        ASSERT_EQ(std::strtod(gezeigt.c_str(), nullptr), std::strtod(gerundet, nullptr)) << wert;
    }
}

TEST(zahlLesen, keineZahl) {
    for (const char* text : {"- - - -", "", " ", "abc", "1,2,3", "1.2.3", "1,5x", "E5", "1E", "1E+",
                             "+", "-", "--1", "1 2", "\t1", "1e5.5", "0x10", "inf", "nan"}) {
        try {
            zahlLesen(text);
            ADD_FAILURE() << "gelesen: " << text;
        } catch (const laufzeitfehler& f) {
            EXPECT_EQ(f.nummer(), 13) << text;
        }
    }
}

TEST(zahlLesen, jenseitsDesDoubleBereichsIstUeberlauf) {
    for (const char* text : {"1E309", "-1E400", "1000E306", "1E99999999999999999999"}) {
        try {
            zahlLesen(text);
            ADD_FAILURE() << "gelesen: " << text;
        } catch (const laufzeitfehler& f) {
            EXPECT_EQ(f.nummer(), 6) << text;
        }
    }
    EXPECT_DOUBLE_EQ(zahlLesen("1,7E308"), 1.7e308);
}

TEST(zahlen, dieGroessteZahlGehtHinUndZurueck) {
    constexpr double groesste = std::numeric_limits<double>::max();
    EXPECT_EQ(zahlLesen(zahlText(groesste)), groesste);
    EXPECT_EQ(zahlLesen("-1,79769313486232E+308"), -groesste);
    EXPECT_EQ(zahlLesen("179769313486231,9E294"), groesste);
    try {
        zahlLesen("1,79769313486233E+308");
        ADD_FAILURE();
    } catch (const laufzeitfehler& f) {
        EXPECT_EQ(f.nummer(), 6);
    }
}

TEST(zahlen, textUndZahlGehenHinUndZurueck) {
    for (double wert : {0.1, 49.5, 1.0 / 3.0, 1e-5, 123456.789, 6.02214076e23, -7.25e-12}) {
        const double zurueck = zahlLesen(zahlText(wert));
        EXPECT_NEAR(zurueck, wert, std::fabs(wert) * 1e-14) << wert;
    }
}

} // namespace
