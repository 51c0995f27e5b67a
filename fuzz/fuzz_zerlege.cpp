// The splitter on arbitrary text and markers: on success the three elements
// join to the text; on failure exactly one element is non-empty and holds
// one of the six error texts.

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
    const auto nichtLeer =
        std::count_if(teile.begin(), teile.end(), [](std::string_view e) { return !e.empty(); });
    PRUEFEN(nichtLeer == 1);
    const std::array<std::string_view, 6> fehlertexte{
        textroutine::such1Fehler,     textroutine::such2Fehler,     textroutine::such3Fehler,
        textroutine::suchnach1Fehler, textroutine::suchnach2Fehler, textroutine::suchnach3Fehler};
    const auto element =
        std::find_if(teile.begin(), teile.end(), [](std::string_view e) { return !e.empty(); });
    PRUEFEN(std::find(fehlertexte.begin(), fehlertexte.end(), *element) != fehlertexte.end());
    return 0;
}
