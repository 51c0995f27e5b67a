#pragma once

#include <string>
#include <string_view>

// The folder part of a file name, with its separator, or the current folder
// for a bare name. Both "/" and, on Windows, "\" separate.
std::string ordnerVon(std::string_view dateiname);

// Refuses, before any file is touched, a name that no file can have (52):
// one holding a NUL, which would end the name early and so reach another
// file; on Windows also one that is not UTF-8 or holds a character that
// Windows forbids in names.
void namePruefen(std::string_view name);

// A name for the temporary file beside `dateiname`: a dot, the file's own
// name and `kennung`. The file's name is shortened, never inside a UTF-8
// character, so that the whole name stays within the longest name a folder
// entry may have, and a replace of a file whose name is near that limit
// still finds room for its temporary one.
std::string vorlaeufigerName(std::string_view dateiname, std::string_view kennung);

// The block a block-wise read takes at a time.
inline constexpr std::size_t blockgroesse = std::size_t{1} << 20;

// A random tag for a temporary name, different on every call: `art` and
// `zufallslaenge` lowercase letters or digits.
inline constexpr std::size_t zufallslaenge = 8;
std::string zufallskennung(std::string_view art = "tmp");

// The message for a file that another program changed, replaced, removed or
// made while it was being replaced: for a writer, while the question was
// open. Saving "ini.txt" raises the same text when overtaken so, although no
// question was asked there.
[[noreturn]] void geaendert(const std::string& name);
