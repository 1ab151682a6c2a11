// The program icon's artwork: a speech bubble with a tick, drawn at any of the
// icon's sizes. Everything else (palettes, the icon file, the PNG icons) is
// made from what this draws.
#pragma once

#include <cstdint>
#include <vector>

namespace resources::icon {

struct Rgba {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 0;

    bool operator==(const Rgba&) const = default;
};

// A square image, rows top to bottom, straight (not premultiplied) alpha.
struct Artwork {
    int size = 0;
    std::vector<Rgba> pixels;

    const Rgba& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * size + x)]; }
};

// The artwork's own colours; the 4- and 8-bit palettes are built from them.
inline constexpr Rgba outline_colour{0x1e, 0x4e, 0x8c, 0xff};
inline constexpr Rgba fill_top_colour{0x5a, 0xa0, 0xea, 0xff};
inline constexpr Rgba fill_bottom_colour{0x2f, 0x78, 0xd0, 0xff};
inline constexpr Rgba tick_colour{0xff, 0xff, 0xff, 0xff};

// Mixes two opaque colours, t = 0 giving `from` and t = 1 giving `to`.
Rgba mix(Rgba from, Rgba to, double t);

// Draws the icon at 16, 32 or 48 pixels (any size works; those are the ones
// the shapes are snapped to whole pixels for).
Artwork draw_artwork(int size);

} // namespace resources::icon
