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

// A profile stands where "<Name>" is directly followed by its name: the
// 1-based position of the first such name in the text, or 0. The name alone
// may also stand elsewhere, before the profile.
std::size_t profilstelle(std::string_view text, std::string_view name);

// profilstelle for two names, in one pass over the text where both names
// first stand in their profiles, as they do in every file the settings
// program writes.
std::pair<std::size_t, std::size_t> profilstellen(std::string_view text, std::string_view a,
                                                  std::string_view b);
