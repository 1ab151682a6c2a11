// Draws the speech bubble with a tick. Shapes are signed distance functions in
// sixteenths of the icon's size, so edges fall on whole pixels at 16, 32 and
// 48 px; each pixel is sampled 8 x 8 times for smooth alpha at the curves.
#include "artwork.h"

#include <algorithm>
#include <cmath>

namespace resources::icon {
namespace {

struct Point {
    double x;
    double y;
};

// Distance from p to a rounded rectangle (negative inside).
double rounded_rect_distance(Point p, Point top_left, Point bottom_right, double radius) {
    const double cx = (top_left.x + bottom_right.x) / 2;
    const double cy = (top_left.y + bottom_right.y) / 2;
    const double hx = (bottom_right.x - top_left.x) / 2 - radius;
    const double hy = (bottom_right.y - top_left.y) / 2 - radius;
    const double qx = std::abs(p.x - cx) - hx;
    const double qy = std::abs(p.y - cy) - hy;
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - radius;
}

double segment_distance(Point p, Point a, Point b) {
    const double abx = b.x - a.x;
    const double aby = b.y - a.y;
    const double t =
        std::clamp(((p.x - a.x) * abx + (p.y - a.y) * aby) / (abx * abx + aby * aby), 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * abx), p.y - (a.y + t * aby));
}

// Distance from p to a triangle (negative inside), vertices in any order.
double triangle_distance(Point p, Point a, Point b, Point c) {
    const double edge =
        std::min({segment_distance(p, a, b), segment_distance(p, b, c), segment_distance(p, c, a)});
    const auto side = [p](Point u, Point v) {
        return (v.x - u.x) * (p.y - u.y) - (v.y - u.y) * (p.x - u.x);
    };
    const double s1 = side(a, b);
    const double s2 = side(b, c);
    const double s3 = side(c, a);
    const bool inside = (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
    return inside ? -edge : edge;
}

// The bubble: a rounded body with a tail to the lower left. Units: 1/16 of
// the icon's size.
double bubble_distance(Point p) {
    const double body = rounded_rect_distance(p, {1, 2}, {15, 11}, 3);
    const double tail = triangle_distance(p, {3.5, 9}, {8, 9}, {2.5, 14.5});
    return std::min(body, tail);
}

double tick_distance(Point p) {
    const Point start{4.5, 6.5};
    const Point corner{7, 9};
    const Point end{11.5, 4};
    return std::min(segment_distance(p, start, corner), segment_distance(p, corner, end));
}

} // namespace

Rgba mix(Rgba from, Rgba to, double t) {
    const auto channel = [t](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(std::lround(a + (b - a) * t));
    };
    return {channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b), 0xff};
}

Artwork draw_artwork(int size) {
    constexpr int samples = 8;
    const double unit = size / 16.0;
    // Line widths in pixels: a whole pixel of outline per 16 px keeps it
    // crisp; the tick is 2 px wide at 16 px and a little bolder when larger.
    const double outline_width = unit;
    const double tick_half_width = 1.0 + 1.25 * (unit - 1);

    Artwork art{size, std::vector<Rgba>(static_cast<std::size_t>(size * size))};
    for (int y = 0; y < size; ++y) {
        // The fill darkens from the top of the body to its bottom.
        const double fill_t = std::clamp((y + 0.5 - 2 * unit) / (9 * unit), 0.0, 1.0);
        const Rgba fill = mix(fill_top_colour, fill_bottom_colour, fill_t);
        for (int x = 0; x < size; ++x) {
            int covered = 0;
            int r = 0;
            int g = 0;
            int b = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const double px = x + (sx + 0.5) / samples;
                    const double py = y + (sy + 0.5) / samples;
                    const Point p{px / unit, py / unit};
                    const double bubble = bubble_distance(p) * unit;
                    if (bubble > 0) {
                        continue;
                    }
                    Rgba c = bubble > -outline_width ? outline_colour : fill;
                    if (tick_distance(p) * unit < tick_half_width) {
                        c = tick_colour;
                    }
                    ++covered;
                    r += c.r;
                    g += c.g;
                    b += c.b;
                }
            }
            if (covered == 0) {
                continue;
            }
            const auto average = [covered](int sum) {
                return static_cast<std::uint8_t>((sum + covered / 2) / covered);
            };
            constexpr int all = samples * samples;
            art.pixels[static_cast<std::size_t>(y * size + x)] = {
                average(r), average(g), average(b),
                static_cast<std::uint8_t>((covered * 255 + all / 2) / all)};
        }
    }
    return art;
}

} // namespace resources::icon
