#include "farben.h"

#include <QColor>

QPalette fensterpalette() {
    // From the button face and the window colour Qt derives a light palette
    // with black text on white boxes.
    const QColor flaeche(0xF0, 0xF0, 0xF0);
    QPalette palette(flaeche, flaeche);
    // The scroll-bar colour, the path box's background until the first save.
    palette.setColor(QPalette::Midlight, QColor(0xDC, 0xDC, 0xDC));
    return palette;
}

QColor auswahlfarbe() {
    return {0xB4, 0xD2, 0xF0};
}

QColor fehlerfarbe() {
    return {0xC0, 0x00, 0x00};
}

QColor nichtGeladenGrund() {
    return {0xF0, 0xF0, 0xF0};
}

QColor nichtGeladenText() {
    return {0x5A, 0x5A, 0x5A};
}
