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

// The path as UTF-8: the first line of "ini.txt" behind a byte-order mark,
// which is dropped. The line is read as UTF-8 where its bytes are valid
// UTF-8, and as Windows-1252 where not, as earlier versions and older
// Windows programs write it.
std::string ausPfaddatei(std::string_view dateiinhalt);

// The file's content for a path in UTF-8, with no line end: UTF-8 as it is;
// on Windows, Windows-1252 where every character has a byte there, so that
// older readers still read it, and else UTF-8 behind a byte-order mark, as
// also where those bytes would read back as UTF-8 of other letters.
std::string fuerPfaddatei(std::string_view pfad);
