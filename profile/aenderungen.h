#pragma once

#include "ablage.h"
#include "feldkarte.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The list below the writers' question: what each written field changes in
// the file as it is read at the moment of applying, so that a value another
// program changed since the load shows too. Lines are UTF-8.

// Adds "<label>: <old> → <new>" for each field of `gruppe` whose text differs
// from its value in `liste`, the group's value passage as the file holds it:
// one value per "|"-separated piece, the last field taking the rest, as a
// load spreads it. A field for which the list has no value any more shows
// "(fehlt)" as its old value.
void aenderungenNotieren(std::vector<std::string>& zeilen, const ablage& fenster,
                         const feldgruppe& gruppe, std::string_view liste);

// The value of each of `anzahl` fields in `liste`, as a load spreads it:
// one per "|"-separated piece, the last field taking the rest; nothing for a
// field for which the list has no value any more.
std::vector<std::optional<std::string_view>> listenwerte(std::string_view liste, int anzahl);

// "<name>: <old> → <new>", each value shortened, a missing one "(fehlt)".
std::string aenderungszeile(std::string_view name, std::optional<std::string_view> alt,
                            std::optional<std::string_view> neu);
