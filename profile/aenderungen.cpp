#include "aenderungen.h"

#include "kurztext.h"
#include "zeichensatz.h"

#include <optional>

namespace {

constexpr std::string_view fehlt = "(fehlt)";

} // namespace

std::vector<std::optional<std::string_view>> listenwerte(std::string_view liste, int anzahl) {
    constexpr std::size_t keiner = std::string_view::npos;
    std::vector<std::optional<std::string_view>> werte(static_cast<std::size_t>(anzahl));
    std::size_t von = 0; // where the next value starts; none once the list has ended
    for (int i = 0; i < anzahl && von != keiner; ++i) {
        const std::size_t trenner = i + 1 < anzahl ? liste.find('|', von) : keiner;
        werte[static_cast<std::size_t>(i)] =
            liste.substr(von, trenner == keiner ? keiner : trenner - von);
        von = trenner == keiner ? keiner : trenner + 1;
    }
    return werte;
}

std::string aenderungszeile(std::string_view name, std::optional<std::string_view> alt,
                            std::optional<std::string_view> neu) {
    const auto gezeigt = [](std::optional<std::string_view> wert) {
        return wert ? kurztext(*wert) : std::string(fehlt);
    };
    return std::string(name) + ": " + gezeigt(alt) + " → " + gezeigt(neu);
}

void aenderungenNotieren(std::vector<std::string>& zeilen, const ablage& fenster,
                         const feldgruppe& gruppe, std::string_view liste) {
    const auto alte = listenwerte(liste, gruppe.anzahl);
    for (int i = 0; i < gruppe.anzahl; ++i) {
        const auto index = static_cast<std::int16_t>(gruppe.erstesFeld + i);
        const std::string neu = fenster.feld(index);
        const std::optional<std::string_view> alt = alte[static_cast<std::size_t>(i)];
        if (alt != neu) {
            zeilen.push_back(aenderungszeile(nachUtf8(fenster.feldname(index)), alt, neu));
        }
    }
}
