// Spreading and joining a value list over a run of fields: only the runtime
// error may come out, and for a list with enough separators joining right
// after spreading gives the list back.

#include "laufzeitfehler.h"
#include "pruefen.h"
#include "speicherablage.h"
#include "werteliste.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    FuzzedDataProvider eingabe(daten, groesse);
    const bool voll = eingabe.ConsumeBool();
    const auto start = voll ? eingabe.ConsumeIntegral<std::int16_t>()
                            : eingabe.ConsumeIntegralInRange<std::int16_t>(-2, 58);
    const auto anzahl = voll ? eingabe.ConsumeIntegral<std::int16_t>()
                             : eingabe.ConsumeIntegralInRange<std::int16_t>(-3, 60);
    const std::string liste = eingabe.ConsumeRemainingBytesAsString();

    speicherablage fenster;
    try {
        verteilen(fenster, liste, start, anzahl);
    } catch (const laufzeitfehler& f) {
        PRUEFEN(f.nummer() == 5 || f.nummer() == 6 || f.nummer() == 340);
        return 0;
    }
    if (anzahl >= 1) {
        const auto trenner = std::count(liste.begin(), liste.end(), '|');
        PRUEFEN(trenner >= anzahl - 1);
        PRUEFEN(verbinden(fenster, start, anzahl) == liste);
    } else {
        PRUEFEN(fenster.feld(start) == liste);
    }
    return 0;
}
