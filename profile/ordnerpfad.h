#pragma once

#include "dateien.h"

#include <string>
#include <string_view>

// The settings file's name is appended to the folder directly, so the folder
// must end with the platform's separator (`pfadtrenner`, dateien.h):
// `pfadhinweis` asks for it, as the path box's grey placeholder while the
// box is empty.
#ifdef _WIN32
inline constexpr std::string_view pfadhinweis =
    "Pfad zur ApplicationSettings.xml mit \" \\ \" am Ende. z.B. c:\\mn6\\";
#else
inline constexpr std::string_view pfadhinweis =
    "Pfad zur ApplicationSettings.xml mit \" / \" am Ende. z.B. /home/anna/navi/";
#endif

// A text that names an existing folder, completed with the separator where
// it lacks one; any other text exactly as it is. On Windows, which drops
// trailing blanks and dots from a name, a folder typed with them ("C:\navi ")
// loses them first, or the settings file behind the separator is not found.
std::string mitTrenner(std::string_view pfadtext);
