#include "forms/x11/font.h"

#include "forms/units.h"
#include "forms/x11/font_config.h"

#include <fontconfig/fontconfig.h>

#include <array>
#include <memory>
#include <stdexcept>
#include <string>

namespace forms::x11 {
namespace {

struct DestroyPattern {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, DestroyPattern>;

// The described face first, then a face with the same metrics, then any
// sans; fontconfig takes the first it has.
constexpr std::array<std::string_view, 3> substitutes{"Liberation Sans", "Arimo", "sans-serif"};

Pattern font_pattern(const FontDescription& description, double dpi) {
    Pattern pattern(FcPatternCreate());
    if (!pattern)
        throw std::runtime_error("cannot create a font pattern");
    const std::string face(description.face);
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(face.c_str()));
    for (std::string_view family : substitutes)
        FcPatternAddString(pattern.get(), FC_FAMILY,
                           reinterpret_cast<const FcChar8*>(family.data()));
    FcPatternAddDouble(pattern.get(), FC_PIXEL_SIZE, twips_to_pixel_size(description.size, dpi));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, FcWeightFromOpenType(description.weight));
    FcPatternAddInteger(pattern.get(), FC_SLANT,
                        description.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    return pattern;
}

XftFont* open_font(::Display* display, int screen, const FontDescription& description, double dpi) {
    Pattern requested = font_pattern(description, dpi);
    // A real face of the described family or of a metric-compatible one;
    // "sans-serif" alone is only a last resort.
    const std::array<std::string_view, 3> wanted{description.face, substitutes[0], substitutes[1]};
    FcPattern* matched = match_font(display, screen, requested.get(), wanted);
    if (!matched)
        throw std::runtime_error("no font matches '" + std::string(description.face) + "'");
    // XftFontOpenPattern takes the matched pattern over when it succeeds.
    XftFont* font = XftFontOpenPattern(display, matched);
    if (!font) {
        FcPatternDestroy(matched);
        throw std::runtime_error("cannot open a font for '" + std::string(description.face) + "'");
    }
    return font;
}

} // namespace

Font::Font(::Display* display, int screen, const FontDescription& description, double dpi)
    : display_(display), font_(open_font(display, screen, description, dpi)) {
    ascii_advances_.fill(-1);
}

Font::~Font() {
    XftFontClose(display_, font_);
}

int Font::advance(char32_t character) const {
    int* cached = nullptr;
    if (character < ascii_advances_.size()) {
        cached = &ascii_advances_[character];
        if (*cached >= 0)
            return *cached;
    } else if (const auto found = other_advances_.find(character); found != other_advances_.end()) {
        return found->second;
    }
    XGlyphInfo extents{};
    const auto glyph = static_cast<FcChar32>(character);
    XftTextExtents32(display_, font_, &glyph, 1, &extents);
    const int width = extents.xOff;
    if (cached)
        *cached = width;
    else
        other_advances_.emplace(character, width);
    return width;
}

} // namespace forms::x11
