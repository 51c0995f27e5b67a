#pragma once

#include "ablage.h"

#include <cstdint>

// Recomputes the 16 result products speed x vehicle factor x route factor,
// town and open road per road class, writing each box as soon as its product
// is known. A text that is not a number stops the run at that conversion
// (type mismatch) and a product beyond the double range at that product
// (overflow); the boxes written before keep their new texts.
void berechnen(ablage& fenster);

// Tidies the field the user has just left as `aufgeraeumt` says. Then the
// field is marked as the write guard judges it,
// and the products are recomputed, since a speed counts in them as much as
// a factor. A field that still holds the placeholder is only marked as not
// loaded.
void feldVerlassen(ablage& fenster, std::int16_t index);

// What leaving the field makes of `text`: every "," becomes "."; a factor or
// value that reads as a number without a "." gets ".0". Any other text
// stays as typed: completed, "abc" would be quoted back to the user as
// "abc.0", and an emptied field would read as 0 and be written as a factor
// of 0, where left empty the write refuses it.
std::string aufgeraeumt(std::int16_t index, std::string text);
