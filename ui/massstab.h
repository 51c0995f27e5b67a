#pragma once

#include "layouttabelle.h"

#include <QSize>

#include <algorithm>
#include <cmath>

// How far the form is scaled down, fonts, positions and sizes together, to
// fit a screen area that is smaller than it: to that area, but never below
// `kleinsterMassstab`, where it would grow hard to read; a smaller area
// scrolls the form.
inline constexpr double kleinsterMassstab = 0.8;

inline double passenderMassstab(QSize frei) {
    const double breit = static_cast<double>(frei.width()) * twipsProPixel / fensterbreite;
    const double hoch = static_cast<double>(frei.height()) * twipsProPixel / fensterhoehe;
    return std::clamp(std::min(breit, hoch), kleinsterMassstab, 1.0);
}

// A position or size of the layout in pixels of the form scaled by
// `massstab`: every coordinate is computed from the twips, so that the gaps
// between controls keep their proportion and no rounding adds up.
inline int pixel(int twips, double massstab) {
    return static_cast<int>(std::lround(twips * massstab / twipsProPixel));
}
