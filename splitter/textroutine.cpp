#include "textroutine.h"

namespace {

teilstuecke fehlerergebnis(std::size_t element, std::string_view fehlertext, suchfehler fehler) {
    teilstuecke teile{};
    teile.elemente[element] = fehlertext;
    teile.fehler = fehler;
    return teile;
}

} // namespace

teilstuecke textroutine::zerlege(std::string_view text, std::string_view such1,
                                 std::string_view such2, std::string_view such3,
                                 std::string_view suchnach1, std::string_view suchnach2,
                                 std::string_view suchnach3) const {
    return zerlegeAb(text, finde(text, such1, 1), text.size(), such1, such2, such3, suchnach1,
                     suchnach2, suchnach3);
}

teilstuecke textroutine::zerlegeAb(std::string_view text, std::size_t such1Stelle,
                                   std::size_t bereichsende, std::string_view such1,
                                   std::string_view such2, std::string_view such3,
                                   std::string_view suchnach1, std::string_view suchnach2,
                                   std::string_view suchnach3) const {
    // The markers are searched in the part; the cuts are made in the whole.
    const std::string_view bereich = text.substr(0, bereichsende);
    std::size_t p = such1Stelle;
    if (p == 0) {
        return fehlerergebnis(0, such1Fehler, suchfehler::such1);
    }
    std::size_t wertanfang = p + such1.size();

    if (!such2.empty()) {
        p = finde(bereich, such2, wertanfang);
        if (p == 0) {
            return fehlerergebnis(1, such2Fehler, suchfehler::such2);
        }
        wertanfang = p + such2.size();
        if (!such3.empty()) {
            p = finde(bereich, such3, wertanfang);
            if (p == 0) {
                return fehlerergebnis(2, such3Fehler, suchfehler::such3);
            }
            wertanfang = p + such3.size();
        }
    }

    std::size_t schluss = finde(bereich, suchnach1, wertanfang);
    if (schluss == 0) {
        return fehlerergebnis(0, suchnach1Fehler, suchfehler::suchnach1);
    }
    if (!suchnach2.empty()) {
        schluss = finde(bereich, suchnach2, schluss);
        if (schluss == 0) {
            return fehlerergebnis(1, suchnach2Fehler, suchfehler::suchnach2);
        }
        if (!suchnach3.empty()) {
            schluss = finde(bereich, suchnach3, schluss);
            if (schluss == 0) {
                return fehlerergebnis(2, suchnach3Fehler, suchfehler::suchnach3);
            }
        }
    }

    return {{text.substr(0, wertanfang - 1), text.substr(wertanfang - 1, schluss - wertanfang),
             text.substr(schluss - 1)}};
}
