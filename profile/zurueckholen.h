#pragma once

#include "ablage.h"
#include "spleisstext.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Taking a backup's speed profiles back into the settings file as it is now:
// only the value lists of the nine profiles, each within its own profile, so
// that everything else the route planner changed in the file since stays.

// The window's field labels, read once, so that backups can be compared
// away from the window. UTF-8.
using feldnamen = std::array<std::string, ablage::anzahlFelder>;
feldnamen feldnamenLesen(const ablage& fenster);

// What taking a backup back would change. `zeilen` reads "<profile caption>
// – <label>: <now> → <in the backup>" for each value that differs, in all
// nine profiles, and names each group that either file lacks, which is left
// as it is now; `anders` counts the values that differ. UTF-8.
struct sicherungsvergleich {
    std::vector<std::string> zeilen;
    std::size_t anders = 0;
};

// Raises the invalid-argument error when the backup holds none of the nine
// profiles: it is no settings file, and nothing may be taken from it.
sicherungsvergleich sicherungVergleichen(std::string_view jetzt, std::string_view sicherung,
                                         const feldnamen& namen);

// "3 Werte anders", "1 Wert anders", "keine Unterschiede".
std::string unterschiedszahl(std::size_t anders);

// Splices the value list of every group that both texts have, in all nine
// profiles, from the backup into `jetzt`.
void sicherungEinsetzen(spleisstext& jetzt, std::string_view sicherung);
