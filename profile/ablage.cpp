#include "ablage.h"

#include "laufzeitfehler.h"

#include <string>
#include <utility>

namespace {

int geprueft(std::int16_t index, int anzahl, const char* name) {
    if (index < 0 || index >= anzahl) {
        throw laufzeitfehler(laufzeitfehler::elementFehlt,
                             std::string(name) + "(" + std::to_string(index) + ")");
    }
    return index;
}

} // namespace

void ablage::feldwerteSchreiben() {
    haelt_ = false;
    const auto texte = std::exchange(zurueckgehalten_, {});
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i]) {
            schreibFeld(static_cast<int>(i), *texte[i]);
        }
    }
}

std::string ablage::feld(std::int16_t index) const {
    const int i = geprueft(index, anzahlFelder, "Text1");
    if (const auto& text = zurueckgehalten_[static_cast<std::size_t>(i)]) {
        return *text;
    }
    return liesFeld(i);
}

std::string ablage::feldname(std::int16_t index) const {
    return liesFeldname(geprueft(index, anzahlFelder, "Text1"));
}

void ablage::setzeFeld(std::int16_t index, const std::string& text) {
    const int i = geprueft(index, anzahlFelder, "Text1");
    if (haelt_) {
        zurueckgehalten_[static_cast<std::size_t>(i)] = text;
    } else {
        schreibFeld(i, text);
    }
}

void ablage::setzeErgebnis(std::int16_t index, const std::string& text) {
    schreibErgebnis(geprueft(index, anzahlErgebnisse, "Text3"), text);
}
