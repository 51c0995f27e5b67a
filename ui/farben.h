#pragma once

#include <QPalette>

// The window's own light palette, the classic look of the form, whatever
// the desktop's palette: the path box's fixed white background and the
// system colours it takes then always go with dark text.
QPalette fensterpalette();

// The face of a pressed selection button: the selected vehicle and route
// stand out more than by the style's slightly darker face alone.
QColor auswahlfarbe();
