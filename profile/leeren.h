#pragma once

#include "ablage.h"

#include <string>
#include <string_view>

// What a field shows when nothing has been loaded into it.
inline constexpr std::string_view platzhalter = "- - - -";

// Puts the placeholder into Text1(0..56) and empties the path box, whose
// greyed placeholder then shows the folder hint: the hint is never the box's
// text, so it can never be saved as the folder. The result boxes, the
// captions and the path box's state stay as they are.
void leeren(ablage& fenster);
