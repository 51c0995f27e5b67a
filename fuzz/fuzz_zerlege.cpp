// The splitter on arbitrary text and markers: on success the three elements
// join to the text; on failure exactly one element is non-empty and holds
// the error text of the marker that the result names.

#include "pruefen.h"
#include "textroutine.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    FuzzedDataProvider eingabe(daten, groesse);
    std::array<std::string, 6> marken;
    for (std::string& marke : marken) {
        marke = eingabe.ConsumeRandomLengthString(24);
    }
    const std::string text = eingabe.ConsumeRemainingBytesAsString();

    const teilstuecke teile = textroutine{}.zerlege(text, marken[0], marken[1], marken[2],
                                                    marken[3], marken[4], marken[5]);
    if (!textroutine::istFehler(teile)) {
        PRUEFEN(std::string(teile[0]) + std::string(teile[1]) + std::string(teile[2]) == text);
        PRUEFEN(teile[0].data() == text.data());
        return 0;
    }
    const auto& elemente = teile.elemente;
    const auto nichtLeer = std::count_if(elemente.begin(), elemente.end(),
                                         [](std::string_view e) { return !e.empty(); });
    PRUEFEN(nichtLeer == 1);
    // The element and the text of each error, in the order of suchfehler.
    const std::array<std::pair<std::size_t, std::string_view>, 6> fehlerstellen{{
        {0, textroutine::such1Fehler},
        {1, textroutine::such2Fehler},
        {2, textroutine::such3Fehler},
        {0, textroutine::suchnach1Fehler},
        {1, textroutine::suchnach2Fehler},
        {2, textroutine::suchnach3Fehler},
    }};
    const auto [element, fehlertext] = fehlerstellen[static_cast<std::size_t>(teile.fehler) - 1];
    PRUEFEN(elemente[element] == fehlertext);
    return 0;
}
