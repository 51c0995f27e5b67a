#pragma once

#include <string>
#include <string_view>

// "ini.txt" in the working directory remembers the settings folder. It is
// written as exactly the path box's text, with no line end; when read, only
// its first line counts, so a hand-made file with a line end or further
// lines works too.
inline constexpr std::string_view pfaddateiname = "ini.txt";

// The text up to the first CR or LF. A file without any character has no
// first line: input past end of file.
std::string ersteZeile(std::string_view dateiinhalt);
