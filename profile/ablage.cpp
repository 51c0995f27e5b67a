#include "ablage.h"

#include "laufzeitfehler.h"

#include <string>

namespace {

int geprueft(std::int16_t index, int anzahl, const char* name) {
    if (index < 0 || index >= anzahl) {
        throw laufzeitfehler(laufzeitfehler::elementFehlt,
                             std::string(name) + "(" + std::to_string(index) + ")");
    }
    return index;
}

} // namespace

std::string ablage::feld(std::int16_t index) const {
    return liesFeld(geprueft(index, anzahlFelder, "Text1"));
}

std::string ablage::feldname(std::int16_t index) const {
    return liesFeldname(geprueft(index, anzahlFelder, "Text1"));
}

void ablage::setzeFeld(std::int16_t index, const std::string& text) {
    schreibFeld(geprueft(index, anzahlFelder, "Text1"), text);
}

void ablage::setzeErgebnis(std::int16_t index, const std::string& text) {
    schreibErgebnis(geprueft(index, anzahlErgebnisse, "Text3"), text);
}
