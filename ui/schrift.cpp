#include "schrift.h"

#include <QApplication>

namespace {

constexpr const char* familie = "MS Sans Serif";

// 8.25 points at 96 dots per inch: the default font of the layout.
constexpr int standardPixel = 11;

QFont grundschrift(int pixel, bool fett) {
    QFont f(familie);
    f.setPixelSize(pixel);
    f.setBold(fett);
    return f;
}

} // namespace

void schriftenEinrichten() {
    QFont::insertSubstitutions(familie, {"Liberation Sans", "Arimo", "Arial", "DejaVu Sans"});
    QApplication::setFont(grundschrift(standardPixel, false));
}

QFont schrift(schriftart art) {
    switch (art) {
    case schriftart::titel:
        return grundschrift(18, true); // 13.5 points
    case schriftart::zeilentitel:
        return grundschrift(13, true); // 9.75 points
    case schriftart::klein:
        return grundschrift(11, true); // 8.25 points
    case schriftart::standard:
        break;
    }
    return grundschrift(standardPixel, false);
}
