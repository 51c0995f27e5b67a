#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

// A walk through a folder tree for the files of one name. It never follows
// a symbolic link or a junction, so it stays below the folder it starts in
// and cannot loop; a folder it may not read is passed over in silence.

struct gefundenedatei {
    std::string ordner;     // UTF-8, with its separator at the end
    std::int64_t geaendert; // last change, seconds since 1970 (UTC)
};

struct ordnerlauf {
    std::vector<gefundenedatei> dateien;
    bool vorzeitig = false; // stopped by a limit or from outside: not every folder was seen
};

struct suchgrenzen {
    std::chrono::steady_clock::time_point frist;
    std::size_t eintraege; // folder entries read, files and folders alike
};

// Which folders below the start to enter: `relativ` is the folder's path
// below it, its names joined by "/" (".wine/drive_c"), whatever the system.
using ordnerfilter = std::function<bool(std::string_view relativ)>;

// The files named `name` (on Windows in any case) below `wurzel`, at any
// depth the filter allows, found until a limit is reached or `halt` asks to
// stop. Only plain files count, not links.
ordnerlauf dateienSuchen(std::string_view wurzel, std::string_view name,
                         const ordnerfilter& betreten, const suchgrenzen& grenzen,
                         std::stop_token halt = {});

// The user's home folder, UTF-8: $HOME, on Windows %USERPROFILE%; empty
// when it is not set.
std::string heimordner();
