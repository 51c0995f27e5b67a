#pragma once

#include "ablage.h"
#include "feldkarte.h"

#include <array>
#include <optional>
#include <string>

// The field texts as the last load put them into the window, a written half
// taken over as written. A field that shows another text holds an edit not
// yet applied; one typed and typed back again does not.
class ladestand {
  public:
    // After a load, also one that ended early.
    void merken(const ablage& fenster);
    // After a successful write of the half `profil`.
    void merken(const ablage& fenster, profilart profil);
    // False before the first load.
    bool bearbeitet(const ablage& fenster) const;

  private:
    std::optional<std::array<std::string, ablage::anzahlFelder>> texte_;
};
