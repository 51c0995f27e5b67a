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

// "ini.txt" is written in the platform's encoding: UTF-8, and on Windows its
// code page Windows-1252, which the logic holds anyway. It is read as UTF-8
// where its bytes are valid UTF-8, and as Windows-1252 where not, as earlier
// versions and Windows write it. A leading byte-order mark is dropped;
// characters that Windows-1252 lacks become "?".
std::string ausPfaddatei(std::string_view dateiinhalt);

// The file's content for a path text in Windows-1252: in the platform's
// encoding, no line end.
std::string fuerPfaddatei(std::string_view pfadtext);
