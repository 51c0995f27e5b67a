#pragma once

#include "feldkarte.h"

#include <cstddef>
#include <string_view>
#include <utility>

// Which profile a selection caption means and where it stands in the
// settings text, decided here alone, so that a load and both writers always
// work on the same profile and the confirmation's cut starts at the profile
// that is written. The cut follows markers of its own, so it need not show
// every group written: in the sample, the vehicle's specials and the route
// value stand outside it.

enum class zweck { laden, schreiben };

// The profile name of the caption. For a caption that matches no row a load
// shows the first row's profile; a write raises the invalid-argument error,
// since it must not change a profile the user did not choose.
std::string_view gewaehlterName(profilart profil, std::string_view beschriftung, zweck wofuer);

// A profile stands where "<Name>" is directly followed by its whole name and
// a "<", at the first such place; the name alone may also stand elsewhere,
// before the profile. It runs to the next "<Name>" directly followed by one
// of the nine profile names, also as the start of a longer name, or to the
// end of the text. Its groups are searched within it alone, so that a group it
// lacks is reported instead of taken from the profile behind it.
struct profilbereich {
    std::size_t name = 0; // 1-based position of the name; 0: no such profile
    std::size_t ende = 0; // 0-based position where the profile ends

    bool operator==(const profilbereich&) const = default;
};

profilbereich profilSuchen(std::string_view text, std::string_view name);

// profilSuchen for two names, in one pass over the text.
std::pair<profilbereich, profilbereich> profileSuchen(std::string_view text, std::string_view a,
                                                      std::string_view b);
