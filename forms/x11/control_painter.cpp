#include "forms/x11/control_painter.h"

#include "forms/bevel.h"

#include <span>

namespace forms::x11 {
namespace {

constexpr int border_width(BorderStyle border) {
    return border == BorderStyle::FixedSingle ? 1 : 0;
}

int aligned_x(Alignment alignment, const PixelRect& area, int width) {
    switch (alignment) {
    case Alignment::Left:
        return area.x;
    case Alignment::Right:
        return area.x + area.width - width;
    case Alignment::Center:
        break;
    }
    return area.x + (area.width - width) / 2;
}

// Draws the rings of a bevel from the outside in; returns the area inside.
PixelRect paint_bevel(Canvas& canvas, PixelRect rect, std::span<const BevelRing> rings) {
    for (const BevelRing& ring : rings) {
        canvas.frame(rect, system_color_rgb(ring.top_left), system_color_rgb(ring.bottom_right));
        rect = rect.inset(1);
    }
    return rect;
}

} // namespace

PixelRect label_text_area(const LabelDescription& label, const PixelRect& bounds) {
    return bounds.inset(border_width(label.border));
}

std::vector<LaidOutLine> layout_label_text(std::string_view text, const PixelRect& text_area,
                                           const Font& font) {
    const int line_height = font.line_height() > 0 ? font.line_height() : 1;
    // A line cut by the bottom edge still shows its top, so it is laid out.
    const auto visible_lines = static_cast<std::size_t>(
        text_area.height > 0 ? (text_area.height + line_height - 1) / line_height : 0);
    return layout_lines(text, text_area.width, visible_lines,
                        [&font](char32_t c) { return font.advance(c); });
}

void paint_label(Canvas& canvas, const LabelDescription& label, const PixelRect& bounds,
                 const Font& font, const std::vector<LaidOutLine>& lines) {
    if (label.border == BorderStyle::FixedSingle) {
        const Rgb edge = system_color_rgb(SystemColor::WindowFrame);
        canvas.frame(bounds, edge, edge);
    }
    const PixelRect area = label_text_area(label, bounds);
    canvas.fill(area, resolve(label.back_color));
    const Rgb ink = system_color_rgb(SystemColor::ButtonText);
    int baseline = area.y + font.ascent();
    for (const LaidOutLine& line : lines) {
        canvas.text(font, aligned_x(label.alignment, area, line.width), baseline, line.text, ink,
                    area);
        baseline += font.line_height();
    }
}

void paint_button(Canvas& canvas, const ButtonDescription& button, const PixelRect& bounds,
                  const Font& font, const LaidOutLine& caption, ButtonLook look) {
    PixelRect face = bounds;
    if (button.is_default) {
        const Rgb frame = system_color_rgb(default_button_frame);
        canvas.frame(face, frame, frame);
        face = face.inset(1);
    }
    face = look.pressed ? paint_bevel(canvas, face, pushed_button_bevel)
                        : paint_bevel(canvas, face, raised_button_bevel);
    canvas.fill(face, system_color_rgb(SystemColor::ButtonFace));

    // A pushed button's caption moves down and right by a pixel, as if the
    // face had been pressed in.
    const int shift = look.pressed ? 1 : 0;
    const int x = bounds.x + (bounds.width - caption.width) / 2 + shift;
    const int top = bounds.y + (bounds.height - font.line_height()) / 2 + shift;
    canvas.text(font, x, top + font.ascent(), caption.text,
                system_color_rgb(SystemColor::ButtonText), face);
    if (look.focused)
        canvas.dotted_frame(bounds.inset(4), system_color_rgb(SystemColor::ButtonText));
}

} // namespace forms::x11
