// The 3-D edges of a push button as tables of shades: each ring is one pixel
// wide, outermost first, with the colour of its top-left and bottom-right
// sides.
#pragma once

#include "forms/color.h"

#include <array>

namespace forms {

struct BevelRing {
    SystemColor top_left;
    SystemColor bottom_right;
};

inline constexpr std::array<BevelRing, 2> raised_button_bevel{{
    {SystemColor::ButtonHighlight, SystemColor::DarkShadow3D},
    {SystemColor::Light3D, SystemColor::ButtonShadow},
}};

inline constexpr std::array<BevelRing, 1> pushed_button_bevel{{
    {SystemColor::ButtonShadow, SystemColor::ButtonShadow},
}};

// The dark frame around the default button, drawn outside its bevel.
inline constexpr SystemColor default_button_frame = SystemColor::WindowFrame;

} // namespace forms
