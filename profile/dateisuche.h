#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

// The search for the settings file below the user's home folder, for a first
// start that offers the folder instead of asking for it.

struct einstellungsfund {
    std::string ordner;     // UTF-8, with its separator
    std::int64_t geaendert; // last change of the file, seconds since 1970 (UTC)
};

struct einstellungssuche {
    std::vector<einstellungsfund> funde; // newest change first
    bool vorzeitig = false;              // a limit ended the walk: more may exist
};

inline constexpr std::chrono::seconds suchdauer{3};
inline constexpr std::size_t sucheintraege = 200000;
inline constexpr int suchtiefe = 8;

// The folders below `heim` that hold a settings file with at least one of
// the nine profiles. The walk reads at most `eintraege` folder entries and
// ends at `frist` or when `halt` asks, with what it found until then.
einstellungssuche einstellungenSuchen(std::string_view heim,
                                      std::chrono::steady_clock::time_point frist,
                                      std::size_t eintraege = sucheintraege,
                                      std::stop_token halt = {});

// Which folders the search enters; `relativ` is the path below the home
// folder, its names joined by "/". The depth counts from the home folder,
// or from the "drive_c" of a Wine prefix, the Windows drive inside it: at
// most `suchtiefe` folders. On Windows every folder of the profile is
// entered ("AppData" is hidden there). Elsewhere hidden folders are skipped
// but the way to the Wine prefixes of the usual tools and their "drive_c".
bool suchordnerBetreten(std::string_view relativ);

// True when the text names one of the nine profiles: "<Name>", the name, "<".
bool haeltProfile(std::string_view text);
