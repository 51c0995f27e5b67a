#include "ablage.h"

#include "laufzeitfehler.h"
#include "meldungen.h"

#include <string>
#include <utility>

namespace {

[[noreturn, gnu::cold, gnu::noinline]] void elementFehlt(std::int16_t index, const char* name) {
    throw meldungsfehler(meldung::elementFehlt,
                         {{"element", std::string(name) + "(" + std::to_string(index) + ")"}});
}

// Every field access passes here, some two hundred per load: the check
// stays a compare, the message is built out of line.
int geprueft(std::int16_t index, int anzahl, const char* name) {
    if (index < 0 || index >= anzahl) [[unlikely]] {
        elementFehlt(index, name);
    }
    return index;
}

} // namespace

void ablage::feldwerteSchreiben() {
    haelt_ = false;
    for (std::size_t i = 0; i < zurueckgehalten_.size(); ++i) {
        std::optional<std::string>& text = zurueckgehalten_[i];
        const std::string wert = text ? std::move(*text) : std::string(vorgabe_);
        text.reset();
        schreibFeld(static_cast<int>(i), wert);
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

void ablage::setzeFeld(std::int16_t index, std::string text) {
    const int i = geprueft(index, anzahlFelder, "Text1");
    if (haelt_) {
        zurueckgehalten_[static_cast<std::size_t>(i)] = std::move(text);
    } else {
        schreibFeld(i, text);
    }
}

void ablage::setzeErgebnis(std::int16_t index, const std::string& text) {
    schreibErgebnis(geprueft(index, anzahlErgebnisse, "Text3"), text);
}

void ablage::setzeFeldbefund(std::int16_t index, const feldbefund& befund) {
    schreibFeldbefund(geprueft(index, anzahlFelder, "Text1"), befund);
}
