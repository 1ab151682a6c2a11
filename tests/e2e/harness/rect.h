// A rectangle in pixels, as the tests state and compare positions.
#pragma once

#include <ostream>

namespace e2e {

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int right() const { return x + width; } // one past the last column
    int bottom() const { return y + height; }
    bool contains(int px, int py) const {
        return px >= x && px < right() && py >= y && py < bottom();
    }
    // The same rectangle with `n` pixels taken off every side.
    Rect inset(int n) const { return {x + n, y + n, width - 2 * n, height - 2 * n}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

inline std::ostream& operator<<(std::ostream& out, const Rect& r) {
    return out << r.width << "x" << r.height << " at (" << r.x << "," << r.y << ")";
}

} // namespace e2e
