#pragma once

#include "festtext.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string_view>

// The one table that ties the window's fields Text1(0..56) to passages of the
// settings text, and the tables that turn selection captions into the
// profile names of the settings file. Texts are Windows-1252 bytes.

enum class profilart { fahrzeug, route };
enum class feldart { geschwindigkeit, faktor };

// A run of consecutive fields mirroring one "|"-separated value list. The
// passage lies between the last opening marker (such2, then such3 when not
// empty) and suchnach1, searched from the profile's name on.
struct feldgruppe {
    std::int16_t erstesFeld;
    std::int16_t anzahl;
    profilart profil;
    feldart art;
    std::string_view such2;
    std::string_view such3;
    std::string_view suchnach1;
};

// In the order in which the loader spreads them and the writers join them.
// The road class k is position k of every 8-field group.
inline constexpr std::array<feldgruppe, 9> feldgruppen{{
    {20, 8, profilart::fahrzeug, feldart::geschwindigkeit, "<City>", "", "</City>"},
    {28, 8, profilart::fahrzeug, feldart::geschwindigkeit, "<Open>", "", "</Open>"},
    {0, 8, profilart::fahrzeug, feldart::faktor, "<PreferenceFactor>", "<City>", "</City>"},
    {8, 8, profilart::fahrzeug, feldart::faktor, "<PreferenceFactor>", "<Open>", "</Open>"},
    {16, 4, profilart::fahrzeug, feldart::faktor, "<Special>", "", "</Special>"},
    {36, 8, profilart::route, feldart::faktor, "<PreferenceFactor>", "<City>", "</City>"},
    {44, 8, profilart::route, feldart::faktor, "<PreferenceFactor>", "<Open>", "</Open>"},
    // Read and written with the same markers, so a write puts the values back
    // into the passage they were loaded from.
    {52, 4, profilart::route, feldart::faktor, "<PreferenceFactor>", "<Special>", "</Special>"},
    // A single value: its passage is taken and written whole, "|" included.
    {56, 1, profilart::route, feldart::faktor, "<Value>", "", "</Value>"},
}};

inline constexpr int strassenklassen = 8;

// The group whose first field is `erstesFeld`; naming a field that starts no
// group is an error, at compile time in a constant expression.
constexpr const feldgruppe& gruppeAb(std::int16_t erstesFeld) {
    for (const feldgruppe& gruppe : feldgruppen) {
        if (gruppe.erstesFeld == erstesFeld) {
            return gruppe;
        }
    }
    throw std::logic_error("no field group starts at this field");
}

// One row of result products: Text3(erstesErgebnis + k) is speed x vehicle
// factor x route factor of road class k, each taken from the group that
// starts at the given field, so that reordering feldgruppen changes nothing.
struct produktreihe {
    std::int16_t geschwindigkeit;
    std::int16_t fahrzeugfaktor;
    std::int16_t routenfaktor;
    std::int16_t erstesErgebnis;
};

inline constexpr std::array<produktreihe, 2> produktreihen{{
    {20, 0, 36, 0}, // town
    {28, 8, 44, 8}, // open road
}};

// Each row multiplies one speed group by one vehicle and one route factor
// group of the same road kind ("<City>" or "<Open>").
static_assert(std::ranges::all_of(produktreihen, [](const produktreihe& r) {
    const feldgruppe& geschwindigkeit = gruppeAb(r.geschwindigkeit);
    const feldgruppe& fahrzeug = gruppeAb(r.fahrzeugfaktor);
    const feldgruppe& route = gruppeAb(r.routenfaktor);
    return geschwindigkeit.art == feldart::geschwindigkeit && fahrzeug.art == feldart::faktor &&
           fahrzeug.profil == profilart::fahrzeug && route.profil == profilart::route &&
           geschwindigkeit.such2 == fahrzeug.such3 && fahrzeug.such3 == route.such3;
}));

// Speeds are kept as typed; factors and values with text are completed
// with ".0".
feldart artDesFeldes(std::int16_t index);

struct namenszeile {
    std::string_view beschriftung;
    std::string_view name;
};

inline constexpr std::array<namenszeile, 6> fahrzeugnamen{{
    {"PKW schnell", "Car Fast"},
    {"PKW normal", "Car Normal"},
    {"PKW langs.", "Car Slow"},
    {"PKW Normal", "Car Normal"},
    {"Motorrad", "Motorcycle"},
    {"LKW", "Truck"},
}};

inline constexpr std::array<namenszeile, 4> routennamen{{
    {"Schnelle", "Fastest"},
    {"Optimale", "Optimal"},
    {"Kurze", "Shortest"},
    {"Schöne"_cp1252, "Curvy"},
}};

// The profile name of a selection caption: exact, case-sensitive, first equal
// row wins; nothing when no row matches.
std::optional<std::string_view> profilname(profilart profil, std::string_view beschriftung);

// The name the loader uses when the caption matches no row: the first row's.
std::string_view vorgabename(profilart profil);

// The strings that cut the passage shown for confirmation out of the
// rewritten text. The two closing searches add a fixed length to the found
// position instead of the marker's own length.
namespace bestaetigung {
inline constexpr std::string_view namensmarke = "<Name>";
inline constexpr std::string_view profilende = "</SpeedProfile>";
inline constexpr std::size_t profilendeZugabe = 20;
inline constexpr std::string_view faktoranfang = "<PreferenceFactor";
inline constexpr std::string_view faktorende = "</PreferenceFactor";
inline constexpr std::size_t faktorendeZugabe = 18;
} // namespace bestaetigung
