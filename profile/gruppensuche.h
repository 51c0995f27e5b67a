#pragma once

#include "ablage.h"
#include "feldkarte.h"
#include "profilwahl.h"
#include "textroutine.h"

#include <optional>
#include <string_view>
#include <vector>

// The split of `gruppe` within the profile `bereich` of `text`, whose name is
// `name`. A profile that is not there, or a marker of the group that it
// lacks, raises the invalid-argument error naming what is missing and the
// group's first field as the window labels it; for a writer the message adds
// that nothing was written.
teilstuecke gruppeZerlegen(std::string_view text, const profilbereich& bereich,
                           std::string_view name, const feldgruppe& gruppe, const ablage& fenster,
                           zweck wofuer);

// The value passage of each group of the kind `art` within the profile
// `bereich`, in the order of the field map; nothing where the text lacks the
// profile or the group. Where a group's own marker is missing, its search
// runs on to another group's passage (a "<City>" of the speeds missing, that
// of the preference factors) or over it (a "</City>" missing): two passages
// that meet cannot both be spliced, so the group that names its passage
// with fewer markers counts as missing, of two alike the later.
std::vector<std::optional<teilstuecke>> gruppenImProfil(std::string_view text,
                                                        const profilbereich& bereich,
                                                        std::string_view name, profilart art);
