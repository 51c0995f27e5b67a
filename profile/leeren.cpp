#include "leeren.h"

void leeren(ablage& fenster) {
    for (std::int16_t i = 0; i < ablage::anzahlFelder; ++i) {
        fenster.setzeFeld(i, std::string(platzhalter));
    }
    fenster.setzePfadtext("");
}
