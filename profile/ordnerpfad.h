#pragma once

#include "dateien.h"

#include <string>
#include <string_view>

// The settings file's name is appended to the folder directly, so the folder
// must end with the platform's separator (`pfadtrenner`, dateien.h):
// `pfadhinweis` asks for it, in the path box before a path is read and as
// its grey placeholder while it is empty.
#ifdef _WIN32
inline constexpr std::string_view pfadhinweis =
    "Pfad zur ApplicationSettings.xml mit \" \\ \" am Ende. z.B. c:\\mn6\\";
#else
inline constexpr std::string_view pfadhinweis =
    "Pfad zur ApplicationSettings.xml mit \" / \" am Ende. z.B. /home/anna/navi/";
#endif

// A text that names an existing folder, completed with the separator where
// it lacks one; any other text exactly as it is.
std::string mitTrenner(std::string_view pfadtext);
