#include "image.h"

#include "limits.h"
#include "x_connection.h"

#include <X11/Xutil.h>

#include <algorithm>
#include <bit>
#include <iomanip>
#include <memory>
#include <thread>

namespace e2e {
namespace {

struct ImageDeleter {
    void operator()(XImage* image) const { XDestroyImage(image); }
};

// Scales one colour channel out of a pixel value to 0..255.
std::uint8_t channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) {
        return 0;
    }
    const int shift = std::countr_zero(mask);
    const unsigned long max = mask >> shift;
    return static_cast<std::uint8_t>(((pixel & mask) >> shift) * 255 / max);
}

Rect clip(const Rect& area, const Image& image) {
    const int x0 = std::max(area.x, 0);
    const int y0 = std::max(area.y, 0);
    const int x1 = std::min(area.right(), image.width());
    const int y1 = std::min(area.bottom(), image.height());
    return {x0, y0, std::max(x1 - x0, 0), std::max(y1 - y0, 0)};
}

} // namespace

std::ostream& operator<<(std::ostream& out, const Rgb& colour) {
    const auto flags = out.flags();
    out << '#' << std::hex << std::uppercase << std::setfill('0') << std::setw(2) << int{colour.r}
        << std::setw(2) << int{colour.g} << std::setw(2) << int{colour.b};
    out.flags(flags);
    return out;
}

PixelTest is_colour(Rgb colour) {
    return [colour](Rgb pixel) { return pixel == colour; };
}

PixelTest is_not_colour(Rgb colour) {
    return [colour](Rgb pixel) { return pixel != colour; };
}

PixelTest is_dark() {
    return [](Rgb pixel) { return pixel.luminance() < 128; };
}

Image Image::crop(const Rect& area) const {
    const Rect inside = clip(area, *this);
    Image part(inside.width, inside.height);
    for (int y = 0; y < inside.height; ++y) {
        for (int x = 0; x < inside.width; ++x) {
            part.set(x, y, at(inside.x + x, inside.y + y));
        }
    }
    return part;
}

std::optional<Image> grab(Display* display, Window window) {
    ErrorTrap trap(display);
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, window, &attributes) == 0 || trap.caught()) {
        return std::nullopt;
    }
    return grab(display, window, {0, 0, attributes.width, attributes.height});
}

std::optional<Image> grab(Display* display, Window window, const Rect& area) {
    ErrorTrap trap(display);
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, window, &attributes) == 0 || trap.caught() ||
        attributes.map_state != IsViewable) {
        return std::nullopt;
    }
    std::unique_ptr<XImage, ImageDeleter> raw(
        XGetImage(display, window, area.x, area.y, static_cast<unsigned>(area.width),
                  static_cast<unsigned>(area.height), AllPlanes, ZPixmap));
    if (trap.caught() || !raw) {
        return std::nullopt;
    }
    const Visual* visual = attributes.visual;
    Image image(area.width, area.height);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const unsigned long pixel = XGetPixel(raw.get(), x, y);
            image.set(x, y,
                      {channel(pixel, visual->red_mask), channel(pixel, visual->green_mask),
                       channel(pixel, visual->blue_mask)});
        }
    }
    return image;
}

std::optional<Image> grab_steady(Display* display, Window window, const PixelTest& needed_ink,
                                 std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    std::optional<Image> previous;
    for (;;) {
        auto current = grab(display, window);
        if (current && count(*current, current->bounds(), needed_ink) > 0 && previous &&
            *previous == *current) {
            return current;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return std::nullopt;
        }
        previous = std::move(current);
        std::this_thread::sleep_for(poll_interval * 2);
    }
}

int count(const Image& image, const Rect& area, const PixelTest& test) {
    const Rect inside = clip(area, image);
    int matches = 0;
    for (int y = inside.y; y < inside.bottom(); ++y) {
        for (int x = inside.x; x < inside.right(); ++x) {
            matches += test(image.at(x, y)) ? 1 : 0;
        }
    }
    return matches;
}

std::optional<Rect> bounding_box(const Image& image, const Rect& area, const PixelTest& test) {
    const Rect inside = clip(area, image);
    int x0 = inside.right();
    int y0 = inside.bottom();
    int x1 = -1;
    int y1 = -1;
    for (int y = inside.y; y < inside.bottom(); ++y) {
        for (int x = inside.x; x < inside.right(); ++x) {
            if (test(image.at(x, y))) {
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x);
                y1 = std::max(y1, y);
            }
        }
    }
    if (x1 < 0) {
        return std::nullopt;
    }
    return Rect{x0, y0, x1 - x0 + 1, y1 - y0 + 1};
}

std::vector<Rgb> frame_pixels(const Image& image, const Rect& area) {
    std::vector<Rgb> pixels;
    const Rect all = image.bounds();
    auto add = [&](int x, int y) {
        if (all.contains(x, y)) {
            pixels.push_back(image.at(x, y));
        }
    };
    for (int x = area.x; x < area.right(); ++x) {
        add(x, area.y);
        add(x, area.bottom() - 1);
    }
    for (int y = area.y + 1; y < area.bottom() - 1; ++y) {
        add(area.x, y);
        add(area.right() - 1, y);
    }
    return pixels;
}

std::vector<std::pair<int, int>> row_bands(const Image& image, const Rect& area,
                                           const PixelTest& test) {
    std::vector<std::pair<int, int>> bands;
    const Rect inside = clip(area, image);
    for (int y = inside.y; y < inside.bottom(); ++y) {
        const bool inked = count(image, {inside.x, y, inside.width, 1}, test) > 0;
        if (!inked) {
            continue;
        }
        if (!bands.empty() && bands.back().first + bands.back().second == y) {
            ++bands.back().second;
        } else {
            bands.emplace_back(y, 1);
        }
    }
    return bands;
}

} // namespace e2e
