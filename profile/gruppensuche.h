#pragma once

#include "ablage.h"
#include "feldkarte.h"
#include "profilwahl.h"
#include "textroutine.h"

#include <string_view>

// The split of `gruppe` within the profile `bereich` of `text`, whose name is
// `name`. A profile that is not there, or a marker of the group that it
// lacks, raises the invalid-argument error naming what is missing and the
// group's first field as the window labels it; for a writer the message adds
// that nothing was written.
teilstuecke gruppeZerlegen(std::string_view text, const profilbereich& bereich,
                           std::string_view name, const feldgruppe& gruppe, const ablage& fenster,
                           zweck wofuer);
