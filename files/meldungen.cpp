#include "meldungen.h"

#include "zeichensatz.h"

#include <algorithm>

const meldungszeile& meldungszeileVon(meldung m) {
    return *std::ranges::find(meldungstabelle, m, &meldungszeile::art);
}

std::string meldungstext(meldung m, meldungswerte werte) {
    const meldungszeile& zeile = meldungszeileVon(m);
    const std::string vorlage = zeile.tun.empty()
                                    ? std::string(zeile.was)
                                    : std::string(zeile.was) + " " + std::string(zeile.tun);
    // One pass, so that a value is never searched for further names.
    std::string text;
    std::size_t von = 0;
    for (std::size_t auf = vorlage.find('{'); auf != std::string::npos;
         auf = vorlage.find('{', von)) {
        const std::size_t zu = vorlage.find('}', auf);
        const std::string_view name(vorlage.data() + auf + 1, zu - auf - 1);
        const auto wert = std::ranges::find(werte, name, [](const auto& w) { return w.first; });
        text.append(vorlage, von, auf - von);
        text += wert != werte.end() ? wert->second : vorlage.substr(auf, zu + 1 - auf);
        von = zu + 1;
    }
    return text.append(vorlage, von);
}

std::string meldungstextCp1252(meldung m, meldungswerte werte) {
    return alsCp1252(meldungstext(m, werte)).value_or("?");
}

laufzeitfehler meldungsfehler(meldung m, meldungswerte werte, int nummer) {
    const int n = nummer != 0 ? nummer : meldungszeileVon(m).nummer;
    return laufzeitfehler(static_cast<laufzeitfehler::fehlernummer>(n), meldungstext(m, werte));
}
