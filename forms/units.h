// Twips, the unit of every stored position and size, and their conversion to
// device pixels at the display's logical density.
#pragma once

#include <cmath>

namespace forms {

using Twips = int;

constexpr int twips_per_inch = 1440;
constexpr int twips_per_point = 20;
constexpr double default_dpi = 96.0;

// Rounds to the nearest whole pixel, halves away from zero, so that a value
// stored in twips lands on the same pixel at every density that divides it.
inline int twips_to_pixels(Twips twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / twips_per_inch));
}

// Font sizes are stored in twips too (9.75 pt is 195 twips); fonts are
// opened by pixel size so that text matches the rest of the layout.
inline double twips_to_pixel_size(Twips twips, double dpi) {
    return twips * dpi / twips_per_inch;
}

} // namespace forms
