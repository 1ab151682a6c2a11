// Colours as stored in a description: either a plain RGB value or a reference
// to a system colour (high bit set, system colour index in the low bits).
#pragma once

#include <cstdint>

namespace forms {

enum class SystemColor : std::uint32_t {
    ScrollBar = 0,
    Desktop = 1,
    ActiveCaption = 2,
    InactiveCaption = 3,
    Menu = 4,
    Window = 5,
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    AppWorkspace = 12,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    ButtonText = 18,
    InactiveCaptionText = 19,
    ButtonHighlight = 20,
    DarkShadow3D = 21,
    Light3D = 22,
    InfoText = 23,
    InfoBackground = 24,
};

// 0xRRGGBB
struct Rgb {
    std::uint32_t value;
    constexpr std::uint8_t red() const { return (value >> 16) & 0xFF; }
    constexpr std::uint8_t green() const { return (value >> 8) & 0xFF; }
    constexpr std::uint8_t blue() const { return value & 0xFF; }
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// A colour as the description stores it.
struct Color {
    static constexpr std::uint32_t system_flag = 0x80000000u;
    std::uint32_t value;

    static constexpr Color system(SystemColor index) {
        return Color{system_flag | static_cast<std::uint32_t>(index)};
    }
    static constexpr Color rgb(std::uint32_t rrggbb) { return Color{rrggbb & 0xFFFFFFu}; }
    constexpr bool is_system() const { return (value & system_flag) != 0; }
};

// The usual desktop defaults for the system colours; an unknown index gives
// the window text colour so that nothing is ever left undrawn.
Rgb system_color_rgb(SystemColor index);
Rgb resolve(Color color);

} // namespace forms
