#pragma once

#include <QPalette>

// The window's own light palette, the classic look of the form, whatever
// the desktop's palette: the path box's fixed white background and the
// system colours it takes then always go with dark text.
QPalette fensterpalette();

// The face of a pressed selection button: the selected vehicle and route
// stand out more than by the style's slightly darker face alone.
QColor auswahlfarbe();

// The frame of a field whose text a write would refuse: a dark red that
// stands out from the white box and the light grey face alike.
QColor fehlerfarbe();

// A field that a load ended before: grey on the button face, text that
// still reads well, as nothing to edit yet.
QColor nichtGeladenGrund();
QColor nichtGeladenText();
