#pragma once

#include "laufzeitfehler.h"

#include <cstdint>

// Field indices and counts are 16-bit signed; a sum that leaves that range is
// an overflow error, not a wrap-around.
inline std::int16_t summe16(int a, int b) {
    const int summe = a + b;
    if (summe < INT16_MIN || summe > INT16_MAX) {
        throw laufzeitfehler(laufzeitfehler::ueberlauf);
    }
    return static_cast<std::int16_t>(summe);
}
