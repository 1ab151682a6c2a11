// Pixels read back from the X server, as 8-bit RGB, and the questions the
// tests ask of them: which colour is where, how much of it, and where ink
// lies.
#pragma once

#include "rect.h"

#include <X11/Xlib.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <vector>

namespace e2e {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    static constexpr Rgb hex(std::uint32_t value) {
        return {static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
                static_cast<std::uint8_t>(value)};
    }
    // Perceived brightness, 0 (black) to 255 (white).
    int luminance() const { return (299 * r + 587 * g + 114 * b) / 1000; }
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
std::ostream& operator<<(std::ostream& out, const Rgb& colour);

using PixelTest = std::function<bool(Rgb)>;
PixelTest is_colour(Rgb colour);
PixelTest is_not_colour(Rgb colour);
// Text and frame ink: clearly darker than any of the light fills.
PixelTest is_dark();

class Image {
  public:
    Image() = default;
    Image(int width, int height) : width_(width), height_(height), pixels_(width * height) {}

    int width() const { return width_; }
    int height() const { return height_; }
    Rect bounds() const { return {0, 0, width_, height_}; }
    Rgb at(int x, int y) const { return pixels_[y * width_ + x]; }
    void set(int x, int y, Rgb colour) { pixels_[y * width_ + x] = colour; }
    Image crop(const Rect& area) const;
    friend bool operator==(const Image&, const Image&) = default;

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb> pixels_;
};

// The window's own pixels, or those of `area` of it; empty when it is gone
// or not viewable.
std::optional<Image> grab(Display* display, Window window);
std::optional<Image> grab(Display* display, Window window, const Rect& area);
// Grabs until two grabs in a row agree and hold `needed_ink`, so
// the test reads a finished paint rather than one in progress.
std::optional<Image> grab_steady(Display* display, Window window, const PixelTest& needed_ink,
                                 std::chrono::milliseconds limit);

// Questions asked of the part of an image inside `area` (clipped to it).
int count(const Image& image, const Rect& area, const PixelTest& test);
std::optional<Rect> bounding_box(const Image& image, const Rect& area, const PixelTest& test);
// The pixels of the one-pixel frame along the inside edge of `area`.
std::vector<Rgb> frame_pixels(const Image& image, const Rect& area);
// Runs of consecutive rows of `area` that hold a matching pixel, top to
// bottom, as (first row, row count): one per line of text.
std::vector<std::pair<int, int>> row_bands(const Image& image, const Rect& area,
                                           const PixelTest& test);

} // namespace e2e
