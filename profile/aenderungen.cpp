#include "aenderungen.h"

#include "kurztext.h"
#include "zeichensatz.h"

#include <optional>

namespace {

constexpr std::string_view fehlt = "(fehlt)";

} // namespace

void aenderungenNotieren(std::vector<std::string>& zeilen, const ablage& fenster,
                         const feldgruppe& gruppe, std::string_view liste) {
    constexpr std::size_t keiner = std::string_view::npos;
    std::size_t von = 0; // where the next value starts; none once the list has ended
    for (int i = 0; i < gruppe.anzahl; ++i) {
        std::optional<std::string_view> alt;
        if (von != keiner) {
            const std::size_t trenner = i + 1 < gruppe.anzahl ? liste.find('|', von) : keiner;
            alt = liste.substr(von, trenner == keiner ? keiner : trenner - von);
            von = trenner == keiner ? keiner : trenner + 1;
        }
        const auto index = static_cast<std::int16_t>(gruppe.erstesFeld + i);
        const std::string neu = fenster.feld(index);
        if (alt == neu) {
            continue;
        }
        zeilen.push_back(nachUtf8(fenster.feldname(index)) + ": " +
                         (alt ? kurztext(*alt) : std::string(fehlt)) + " → " + kurztext(neu));
    }
}
