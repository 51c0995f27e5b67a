#include "schrift.h"

#include <QApplication>

#include <cmath>

namespace {

constexpr const char* familie = "MS Sans Serif";

// 8.25 points at 96 dots per inch: the default font of the layout.
constexpr int standardPixel = 11;

QFont grundschrift(int pixel, bool fett, double massstab = 1.0) {
    QFont f(familie);
    // Rounded down: a text never grows against the boxes scaled with it, so
    // what fits at full size fits scaled.
    f.setPixelSize(static_cast<int>(std::floor(pixel * massstab + 1e-9)));
    f.setBold(fett);
    return f;
}

} // namespace

void schriftenEinrichten() {
    QFont::insertSubstitutions(familie, {"Liberation Sans", "Arimo", "Arial", "DejaVu Sans"});
    QApplication::setFont(grundschrift(standardPixel, false));
}

QFont schrift(schriftart art, double massstab) {
    switch (art) {
    case schriftart::titel:
        return grundschrift(18, true, massstab); // 13.5 points
    case schriftart::zeilentitel:
        return grundschrift(13, true, massstab); // 9.75 points
    case schriftart::klein:
        return grundschrift(11, true, massstab); // 8.25 points
    case schriftart::standard:
        break;
    }
    return grundschrift(standardPixel, false, massstab);
}
