#pragma once

#include "spleisstext.h"

#include <cstddef>
#include <ctime>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Before a write replaces the settings file, the file as it is goes into the
// folder "Sicherungen" beside "ini.txt". Like "ini.txt" the name is
// relative: the folder lies in the working directory at the moment of the
// write, never in the route planner's folder, and is made when missing.
inline constexpr std::string_view sicherungsordner = "Sicherungen";

// The latest copies of the settings file that are kept.
inline constexpr std::size_t behalteneSicherungen = 20;

// Writes `inhalt` as a new copy of the settings file `dateiname` (its own
// name, without folder) and returns the copy's name. The copy is named from
// the file and the local time `zeit`, "ApplicationSettings 2026-12-07
// 16-59-09.xml", with " (2)", " (3)" … where copies fall in the same second,
// and is completely on disk before this returns. A copy that cannot be
// written raises the error of the cause, saying that nothing was written, so
// that the caller replaces nothing.
std::string sichern(std::string_view dateiname, std::string_view inhalt, std::time_t zeit);

// Removes the copy `kopie` again, for a write that did not go ahead. A copy
// that cannot be removed stays.
void sicherungVerwerfen(const std::string& kopie);

// For a write that went ahead: removes the oldest copies of the settings
// file `dateiname` beyond the latest 20, a second's later number counting as
// later; other files in the folder stay. A copy that cannot be removed
// stays, and the next write tries again.
void sicherungenAusduennen(std::string_view dateiname);

// A backup as the backups dialog lists it: its path, and the time in its
// name as "07.12.2026 16:59:09", with " (2)" … for later copies of a second.
struct sicherungsangabe {
    std::string datei;
    std::string zeit;
};

// The copies of the settings file `dateiname`, newest first; none where the
// folder is missing or cannot be listed.
std::vector<sicherungsangabe> sicherungenAuflisten(std::string_view dateiname);

// What a write did, for the line the window shows after it: the backup's
// name without its folder and the local time of the write ("16:59:09");
// no backup where the write changed nothing.
struct schreibergebnis {
    std::string sicherung;
    std::string uhrzeit;
};

// The one way a write replaces the settings file `datei` (its path), whose
// content `text` holds as read: the text as read is kept as a backup, then
// `aendern` splices it, and the file is replaced only while it still holds
// the text as read. A write that does not go ahead removes its copy and
// removes no older one; only a write that did prunes the copies to 20.
// Where `aendert` says the splices change nothing, nothing is touched: no
// folder, no copy, no replace; such copies would push real ones out of the
// 20, and a copy that cannot be made must not refuse a write of nothing.
schreibergebnis gesichertErsetzen(const std::string& datei, spleisstext& text, bool aendert,
                                  const std::function<void(spleisstext&)>& aendern);

// The line that tells the user what the write did.
std::string schreibzeile(const schreibergebnis& ergebnis);
