#pragma once

#include "ablage.h"

#include <cstdint>

// Recomputes the 16 result products speed x vehicle factor x route factor,
// town and open road per road class, writing each box as soon as its product
// is known. A text that is not a number stops the run at that conversion
// (type mismatch) and a product beyond the double range at that product
// (overflow); the boxes written before keep their new texts.
void berechnen(ablage& fenster);

// Tidies the field the user has just left: every "," becomes "."; a factor
// or value field with text but without a "." is completed with ".0" (an
// empty or blank one stays as it is, for the write to refuse), a speed field
// is kept as typed. Then the field is marked as the write guard judges it,
// and the products are recomputed, since a speed counts in them as much as
// a factor. A field that still holds the placeholder is only marked as not
// loaded.
void feldVerlassen(ablage& fenster, std::int16_t index);
