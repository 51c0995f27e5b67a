#pragma once

#include "ablage.h"
#include "feldkarte.h"

#include <optional>
#include <string_view>

// Before a writer asks, every field of its half must hold a number: a text
// that is not one would go into the settings file as it stands, and a "|"
// would add a value to its list and shift every later one. The fields are
// checked group by group in writing order; the first that does not read as a
// finite number, read as the result products read it, raises the
// type-mismatch error naming the field and its text.
void felderPruefen(const ablage& fenster, profilart profil);

// Why that check refuses a field's text, in UTF-8: "Leer" (nothing but
// blanks), "Enthält „|“", "Zahl zu groß" or "Keine Zahl"; nothing for a text
// it accepts. Speed and factor fields are held to the same rule.
inline constexpr std::string_view grundLeer = "Leer";
inline constexpr std::string_view grundTrenner = "Enthält „|“";
inline constexpr std::string_view grundZuGross = "Zahl zu groß";
inline constexpr std::string_view grundKeineZahl = "Keine Zahl";
std::optional<std::string_view> ablehnungsgrund(std::string_view text);
