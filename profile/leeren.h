#pragma once

#include "ablage.h"
#include "ordnerpfad.h"

#include <string>
#include <string_view>

// What a field shows when nothing has been loaded into it.
inline constexpr std::string_view platzhalter = "- - - -";

// Puts the placeholder into Text1(0..56) and the folder hint into the path
// box. The result boxes, the captions and the path box's state stay as they
// are.
void leeren(ablage& fenster);
