#include "forms/x11/canvas.h"

#include <stdexcept>

namespace forms::x11 {

Canvas::Canvas(const Connection& connection, ::Window window, int width, int height)
    : connection_(connection), window_(window), width_(width), height_(height),
      pixmap_(XCreatePixmap(connection.display(), window, static_cast<unsigned>(width),
                            static_cast<unsigned>(height),
                            static_cast<unsigned>(connection.depth()))),
      gc_(XCreateGC(connection.display(), pixmap_, 0, nullptr)),
      draw_(XftDrawCreate(connection.display(), pixmap_, connection.visual(),
                          connection.colormap())) {
    if (!gc_ || !draw_) {
        if (draw_)
            XftDrawDestroy(draw_);
        if (gc_)
            XFreeGC(connection.display(), gc_);
        XFreePixmap(connection.display(), pixmap_);
        throw std::runtime_error("cannot create the window's drawing surface");
    }
}

Canvas::~Canvas() {
    ::Display* display = connection_.display();
    for (CachedColor& color : colors_) {
        if (color.allocated)
            XftColorFree(display, connection_.visual(), connection_.colormap(), &color.xft);
    }
    XftDrawDestroy(draw_);
    XFreeGC(display, gc_);
    XFreePixmap(display, pixmap_);
}

const XftColor& Canvas::color(Rgb rgb) {
    for (const CachedColor& known : colors_) {
        if (known.rgb == rgb)
            return known.xft;
    }
    XRenderColor value{static_cast<unsigned short>(rgb.red() * 0x101),
                       static_cast<unsigned short>(rgb.green() * 0x101),
                       static_cast<unsigned short>(rgb.blue() * 0x101), 0xFFFF};
    CachedColor added{rgb, {}, true};
    if (!XftColorAllocValue(connection_.display(), connection_.visual(), connection_.colormap(),
                            &value, &added.xft)) {
        // A full colormap on an old display: black still reads.
        added.xft.pixel = BlackPixel(connection_.display(), connection_.screen());
        added.xft.color = XRenderColor{0, 0, 0, 0xFFFF};
        added.allocated = false;
    }
    return colors_.emplace_back(added).xft;
}

void Canvas::fill(const PixelRect& rect, Rgb rgb) {
    if (rect.width <= 0 || rect.height <= 0)
        return;
    XSetForeground(connection_.display(), gc_, pixel(rgb));
    XFillRectangle(connection_.display(), pixmap_, gc_, rect.x, rect.y,
                   static_cast<unsigned>(rect.width), static_cast<unsigned>(rect.height));
}

void Canvas::frame(const PixelRect& rect, Rgb top_left, Rgb bottom_right) {
    if (rect.width <= 0 || rect.height <= 0)
        return;
    fill({rect.x, rect.y, rect.width, 1}, top_left);
    fill({rect.x, rect.y, 1, rect.height}, top_left);
    fill({rect.x, rect.y + rect.height - 1, rect.width, 1}, bottom_right);
    fill({rect.x + rect.width - 1, rect.y, 1, rect.height}, bottom_right);
}

void Canvas::dotted_frame(const PixelRect& rect, Rgb rgb) {
    ::Display* display = connection_.display();
    XSetForeground(display, gc_, pixel(rgb));
    // Every other pixel along the edges, counted from the top-left corner.
    std::vector<XPoint> dots;
    const auto add = [&](int x, int y) {
        if ((x + y - rect.x - rect.y) % 2 == 0)
            dots.push_back({static_cast<short>(x), static_cast<short>(y)});
    };
    const int right = rect.x + rect.width - 1;
    const int bottom = rect.y + rect.height - 1;
    for (int x = rect.x; x <= right; ++x) {
        add(x, rect.y);
        add(x, bottom);
    }
    for (int y = rect.y + 1; y < bottom; ++y) {
        add(rect.x, y);
        add(right, y);
    }
    XDrawPoints(display, pixmap_, gc_, dots.data(), static_cast<int>(dots.size()), CoordModeOrigin);
}

void Canvas::text(const Font& font, int x, int baseline, std::u32string_view text, Rgb rgb,
                  const PixelRect& clip) {
    if (text.empty())
        return;
    XRectangle area{static_cast<short>(clip.x), static_cast<short>(clip.y),
                    static_cast<unsigned short>(clip.width),
                    static_cast<unsigned short>(clip.height)};
    XftDrawSetClipRectangles(draw_, 0, 0, &area, 1);
    static_assert(sizeof(FcChar32) == sizeof(char32_t));
    XftDrawString32(draw_, &color(rgb), font.xft(), x, baseline,
                    reinterpret_cast<const FcChar32*>(text.data()), static_cast<int>(text.size()));
    XftDrawSetClip(draw_, nullptr);
}

void Canvas::present() {
    XCopyArea(connection_.display(), pixmap_, window_, gc_, 0, 0, static_cast<unsigned>(width_),
              static_cast<unsigned>(height_), 0, 0);
}

} // namespace forms::x11
