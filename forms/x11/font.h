// A font opened for a description at the display's density, with the glyph
// advances that both layout and drawing use.
#pragma once

#include "forms/description.h"

#include <X11/Xft/Xft.h>

#include <array>
#include <unordered_map>

namespace forms::x11 {

class Font {
  public:
    // Opens the described face when fontconfig has it, else a metric-
    // compatible substitute, else any sans face. Throws when no font at all
    // can be opened.
    Font(::Display* display, int screen, const FontDescription& description, double dpi);
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    ~Font();

    XftFont* xft() const { return font_; }
    int ascent() const { return font_->ascent; }
    int line_height() const { return font_->ascent + font_->descent; }
    // The advance in pixels of one character, as XftDrawString32 places it.
    int advance(char32_t character) const;

  private:
    ::Display* display_;
    XftFont* font_;
    // Printable ASCII is looked up often enough to keep in an array.
    mutable std::array<int, 128> ascii_advances_;
    mutable std::unordered_map<char32_t, int> other_advances_;
};

} // namespace forms::x11
