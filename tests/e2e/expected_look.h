// What the message window looks like on screen: the sizes and places of the
// window and its controls at two densities, and the colours it paints.
#pragma once

#include "harness/image.h"
#include "harness/rect.h"

#include <ostream>

namespace e2e {

// The button face, which fills the window behind the controls.
inline constexpr Rgb face_colour = Rgb::hex(0xF0F0F0);
// The info background, which fills the message label.
inline constexpr Rgb info_colour = Rgb::hex(0xFFFFE1);

struct Layout {
    const char* name;
    int xft_dpi; // 0: no Xft.dpi resource, so 96 applies
    int width;   // client area
    int height;
    Rect label; // in window coordinates, border included
    Rect button;
};

inline constexpr Layout layout_96{"dpi96", 0, 361, 94, {8, 0, 345, 41}, {104, 48, 153, 41}};
inline constexpr Layout layout_192{"dpi192", 192, 722, 188, {16, 0, 690, 82}, {208, 96, 306, 82}};

inline std::ostream& operator<<(std::ostream& out, const Layout& layout) {
    return out << layout.name;
}

inline int centre_x(const Rect& r) {
    return r.x + r.width / 2;
}
inline int centre_y(const Rect& r) {
    return r.y + r.height / 2;
}

// Pixels outside the label and the button that are not the window's face
// colour: anything drawn where nothing belongs.
inline int stray_pixels(const Image& image, const Layout& layout) {
    const auto not_face = is_not_colour(face_colour);
    return count(image, image.bounds(), not_face) - count(image, layout.label, not_face) -
           count(image, layout.button, not_face);
}

} // namespace e2e
