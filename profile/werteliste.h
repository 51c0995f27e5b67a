#pragma once

#include "ablage.h"

#include <cstdint>
#include <string>
#include <string_view>

// Conversion between a "|"-separated value list and the fields
// Text1(start) .. Text1(start + anzahl - 1). Texts are copied character for
// character: nothing is trimmed, converted or checked.

// Writes one value per field. The last field takes the
// rest of the list, further "|" included. A list with fewer than anzahl - 1
// separators raises the invalid-argument error at the first missing one; the
// fields written before keep their new texts.
void verteilen(ablage& fenster, std::string_view liste, std::int16_t start, std::int16_t anzahl);

// The fields' texts joined with "|" (none after the last).
std::string verbinden(const ablage& fenster, std::int16_t start, std::int16_t anzahl);
