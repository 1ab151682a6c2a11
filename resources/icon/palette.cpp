// Palettes for the icon's 4- and 8-bit images: the artwork's colours, the
// steps of its fill gradient and their blends with the outline and the tick,
// so that quantised edges stay smooth.
#include "palette.h"

#include <array>

namespace resources::icon {
namespace {

constexpr Rgba black{0, 0, 0, 0xff};

} // namespace

std::vector<Rgba> palette_16() {
    return {
        black,
        outline_colour,
        tick_colour,
        fill_top_colour,
        fill_bottom_colour,
        mix(fill_top_colour, fill_bottom_colour, 1.0 / 3),
        mix(fill_top_colour, fill_bottom_colour, 2.0 / 3),
        mix(outline_colour, fill_top_colour, 0.5),
        mix(outline_colour, fill_bottom_colour, 0.5),
        mix(tick_colour, fill_top_colour, 0.25),
        mix(tick_colour, fill_top_colour, 0.5),
        mix(tick_colour, fill_top_colour, 0.75),
        mix(tick_colour, fill_bottom_colour, 0.25),
        mix(tick_colour, fill_bottom_colour, 0.5),
        mix(tick_colour, fill_bottom_colour, 0.75),
        mix(tick_colour, outline_colour, 0.5),
    };
}

std::vector<Rgba> palette_256() {
    std::vector<Rgba> palette = palette_16();
    constexpr int fill_steps = 16;
    constexpr std::array<double, 3> blends{0.25, 0.5, 0.75};
    for (int step = 0; step < fill_steps; ++step) {
        const Rgba fill =
            mix(fill_top_colour, fill_bottom_colour, static_cast<double>(step) / (fill_steps - 1));
        palette.push_back(fill);
        for (const double t : blends) {
            palette.push_back(mix(fill, tick_colour, t));
            palette.push_back(mix(fill, outline_colour, t));
        }
    }
    for (int step = 1; step < 8; ++step) {
        palette.push_back(mix(outline_colour, tick_colour, step / 8.0));
    }
    // The rest of the table is unused and stays black.
    palette.resize(256, black);
    return palette;
}

std::size_t nearest_index(const std::vector<Rgba>& palette, Rgba colour) {
    std::size_t best = 0;
    int best_distance = -1;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const int dr = palette[i].r - colour.r;
        const int dg = palette[i].g - colour.g;
        const int db = palette[i].b - colour.b;
        const int distance = dr * dr + dg * dg + db * db;
        if (best_distance < 0 || distance < best_distance) {
            best = i;
            best_distance = distance;
        }
    }
    return best;
}

} // namespace resources::icon
