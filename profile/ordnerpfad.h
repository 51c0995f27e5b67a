#pragma once

#include "dateien.h"

#include <string>
#include <string_view>

// The settings file's name is appended to the folder directly, so the folder
// must end with the platform's separator (`pfadtrenner`, dateien.h), which
// the program adds to a typed folder. `pfadhinweis` asks for the folder, as
// the path box's grey placeholder while the box is empty.
#ifdef _WIN32
inline constexpr std::string_view pfadhinweis =
    "Ordner, in dem die ApplicationSettings.xml liegt, z.B. c:\\mn6\\";
#else
inline constexpr std::string_view pfadhinweis =
    "Ordner, in dem die ApplicationSettings.xml liegt, z.B. /home/anna/navi/";
#endif

// A text that names an existing folder, completed with the separator where
// it lacks one; any other text exactly as it is. On Windows, which drops
// trailing blanks and dots from a name, a folder typed with them ("C:\navi ")
// loses them first, or the settings file behind the separator is not found.
std::string mitTrenner(std::string_view pfadtext);

// The folder a text typed into the path box means, as mitTrenner completes
// it: a leading "~" alone or before "/" is the home folder (not on
// Windows, where "~" is part of a name), and a path to the settings file
// itself ("…/ApplicationSettings.xml", on Windows in any case) is its
// folder, so that its name is not appended a second time.
std::string ordnerAusEingabe(std::string_view pfadtext);
