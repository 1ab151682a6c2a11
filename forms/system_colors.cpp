// The system colour table: the usual desktop defaults, by index.
#include "forms/color.h"

#include <array>

namespace forms {
namespace {

constexpr std::array<Rgb, 25> default_system_colors{{
    {0xC8C8C8}, // ScrollBar
    {0x000000}, // Desktop
    {0x99B4D1}, // ActiveCaption
    {0xBFCDDB}, // InactiveCaption
    {0xF0F0F0}, // Menu
    {0xFFFFFF}, // Window
    {0x646464}, // WindowFrame
    {0x000000}, // MenuText
    {0x000000}, // WindowText
    {0x000000}, // CaptionText
    {0xB4B4B4}, // ActiveBorder
    {0xF4F7FC}, // InactiveBorder
    {0xABABAB}, // AppWorkspace
    {0x0078D7}, // Highlight
    {0xFFFFFF}, // HighlightText
    {0xF0F0F0}, // ButtonFace
    {0xA0A0A0}, // ButtonShadow
    {0x6D6D6D}, // GrayText
    {0x000000}, // ButtonText
    {0x000000}, // InactiveCaptionText
    {0xFFFFFF}, // ButtonHighlight
    {0x696969}, // DarkShadow3D
    {0xE3E3E3}, // Light3D
    {0x000000}, // InfoText
    {0xFFFFE1}, // InfoBackground
}};

} // namespace

Rgb system_color_rgb(SystemColor index) {
    const auto i = static_cast<std::uint32_t>(index);
    if (i < default_system_colors.size())
        return default_system_colors[i];
    return default_system_colors[static_cast<std::uint32_t>(SystemColor::WindowText)];
}

Rgb resolve(Color color) {
    if (color.is_system())
        return system_color_rgb(static_cast<SystemColor>(color.value & ~Color::system_flag));
    return Rgb{color.value & 0xFFFFFFu};
}

} // namespace forms
