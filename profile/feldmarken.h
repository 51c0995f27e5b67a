#pragma once

#include "ablage.h"

#include <cstdint>
#include <string_view>

// The window marks each field as the write guard would judge it, so that a
// refused value shows when the field is left or loaded, not only when its
// half is written; the placeholder of a load that ended early is marked as
// not loaded, not as wrong.
ablage::feldbefund befinden(std::string_view text);
void feldMarkieren(ablage& fenster, std::int16_t index);
void felderMarkieren(ablage& fenster);
