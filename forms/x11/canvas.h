// The off-screen picture of a window: everything is painted here and then
// copied to the window in one request, so the user never sees a half-drawn
// frame and an Expose costs one copy.
#pragma once

#include "forms/color.h"
#include "forms/x11/connection.h"
#include "forms/x11/font.h"

#include <X11/Xft/Xft.h>

#include <string_view>
#include <vector>

namespace forms::x11 {

struct PixelRect {
    int x;
    int y;
    int width;
    int height;
    bool contains(int px, int py) const {
        return px >= x && py >= y && px < x + width && py < y + height;
    }
    PixelRect inset(int by) const { return {x + by, y + by, width - 2 * by, height - 2 * by}; }
};

class Canvas {
  public:
    Canvas(const Connection& connection, ::Window window, int width, int height);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas();

    void fill(const PixelRect& rect, Rgb color);
    // A one-pixel frame just inside rect, in two colours for 3-D edges.
    void frame(const PixelRect& rect, Rgb top_left, Rgb bottom_right);
    // A dotted one-pixel frame just inside rect, as keyboard focus is shown.
    void dotted_frame(const PixelRect& rect, Rgb color);
    // Draws text with its baseline at (x, baseline), clipped to clip.
    void text(const Font& font, int x, int baseline, std::u32string_view text, Rgb color,
              const PixelRect& clip);
    // Copies the whole picture to the window.
    void present();

  private:
    const XftColor& color(Rgb rgb);
    unsigned long pixel(Rgb rgb) { return color(rgb).pixel; }

    const Connection& connection_;
    ::Window window_;
    int width_;
    int height_;
    ::Pixmap pixmap_;
    ::GC gc_;
    XftDraw* draw_;
    struct CachedColor {
        Rgb rgb;
        XftColor xft;
        bool allocated; // false for the black stand-in, which is not ours to free
    };
    std::vector<CachedColor> colors_;
};

} // namespace forms::x11
