#pragma once

#include "ablage.h"

#include <string>
#include <string_view>

// What a field shows when nothing has been loaded into it.
inline constexpr std::string_view platzhalter = "- - - -";

// What the path box shows until a path has been read: the folder must end
// with a separator, since the file name is appended to it directly.
inline constexpr std::string_view pfadhinweis =
    "Pfad zur ApplicationSettings.xml mit \" \\ \" am Ende. z.B. c:\\mn6\\";

// Puts the placeholder into Text1(0..56) and the hint into the path box.
// The result boxes, the captions and the path box's state stay as they are.
void leeren(ablage& fenster);

// The same for the fields alone.
void felderLeeren(ablage& fenster);
