#pragma once

#include "laufzeitfehler.h"

#include <string_view>

// Sets an open file's whole text in place with `setzen(text)`, which
// empties the file, writes and syncs. Where that fails part way, the old
// text goes back; the first failure is the one reported.
template <typename setzer>
void anOrtSetzen(setzer&& setzen, std::string_view neu, std::string_view alt) {
    try {
        setzen(neu);
    } catch (const laufzeitfehler&) {
        try {
            setzen(alt);
        } catch (const laufzeitfehler&) {
            // The first failure is what the user needs to know.
        }
        throw;
    }
}
