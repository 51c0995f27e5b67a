#include "pfaddatei.h"

#include "laufzeitfehler.h"

std::string ersteZeile(std::string_view dateiinhalt) {
    if (dateiinhalt.empty()) {
        throw laufzeitfehler(laufzeitfehler::hinterDateiende, std::string(pfaddateiname));
    }
    return std::string(dateiinhalt.substr(0, dateiinhalt.find_first_of("\r\n")));
}
