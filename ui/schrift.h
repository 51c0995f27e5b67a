#pragma once

#include "layouttabelle.h"

#include <QFont>

// The window's fonts. The layout was made for "MS Sans Serif"; where it is
// missing, a narrow-enough sans face that Debian ships stands in. Sizes are
// set in pixels, converted from points at 96 dots per inch, so that the text
// keeps its proportion to the twip layout on every screen.

// Makes the default font of the application the window's default font.
void schriftenEinrichten();

// The font at `massstab` times its size, for a form scaled down to fit.
QFont schrift(schriftart art, double massstab = 1.0);
