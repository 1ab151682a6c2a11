// The 16- and 256-colour palettes of the icon's 4- and 8-bit images, built
// from the artwork's own colours, and the nearest-colour lookup that
// quantises the artwork to them.
#pragma once

#include "artwork.h"

#include <cstddef>
#include <vector>

namespace resources::icon {

// Entry 0 is black: the colour under transparent pixels, which the AND mask
// lets the background show through.
std::vector<Rgba> palette_16();
std::vector<Rgba> palette_256();

// The index of the palette entry nearest to `colour` (alpha ignored); the
// lowest index wins a tie.
std::size_t nearest_index(const std::vector<Rgba>& palette, Rgba colour);

} // namespace resources::icon
