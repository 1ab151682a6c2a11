// Painting of the two kinds of control. Painting only reads the control's
// state; input handling changes it elsewhere.
#pragma once

#include "forms/description.h"
#include "forms/text/line_layout.h"
#include "forms/x11/canvas.h"
#include "forms/x11/font.h"

#include <string>
#include <vector>

namespace forms::x11 {

// The area inside a label's border where its text goes.
PixelRect label_text_area(const LabelDescription& label, const PixelRect& bounds);

// Lays the text out in the lines that can be seen in the label's text area.
std::vector<LaidOutLine> layout_label_text(std::string_view text, const PixelRect& text_area,
                                           const Font& font);

void paint_label(Canvas& canvas, const LabelDescription& label, const PixelRect& bounds,
                 const Font& font, const std::vector<LaidOutLine>& lines);

struct ButtonLook {
    bool pressed;
    bool focused;
};

void paint_button(Canvas& canvas, const ButtonDescription& button, const PixelRect& bounds,
                  const Font& font, const LaidOutLine& caption, ButtonLook look);

} // namespace forms::x11
