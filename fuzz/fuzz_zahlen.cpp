// Both number conversions: every accepted text gives a finite value (or the
// overflow error), and formatting a value and reading it again gives the
// same value to 15 significant digits.

#include "laufzeitfehler.h"
#include "pruefen.h"
#include "zahlen.h"

#include <cmath>
#include <cstring>
#include <string>

namespace {

void hinUndZurueck(double wert) {
    const std::string text = zahlText(wert);
    PRUEFEN(text.find_first_not_of("0123456789,E+-") == std::string::npos);
    const double zurueck = zahlLesen(text); // must not raise
    PRUEFEN(std::fabs(zurueck - wert) <= std::fabs(wert) * 1e-14);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse == sizeof(double)) {
        double wert = 0;
        std::memcpy(&wert, daten, sizeof wert);
        if (std::isfinite(wert)) {
            hinUndZurueck(wert);
        }
    }
    const std::string text(reinterpret_cast<const char*>(daten), groesse);
    double wert = 0;
    try {
        wert = zahlLesen(text);
    } catch (const laufzeitfehler& f) {
        PRUEFEN(f.nummer() == 13 || f.nummer() == 6);
        return 0;
    }
    PRUEFEN(std::isfinite(wert));
    hinUndZurueck(wert);
    return 0;
}
