// Breaking a label's text into lines that fit its width. Measuring is done by
// the caller's glyph advances, the same ones the text is drawn with, so what
// is laid out is what the user sees.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

struct LaidOutLine {
    std::u32string text; // what to draw, blanks at a wrap removed
    int width;           // sum of the advances of `text`
};

// The advance width in pixels of one character.
using GlyphAdvance = std::function<int(char32_t)>;

// Lays out UTF-8 `text` in lines no wider than `max_width`:
// - "\n", "\r\n" and "\r" end a line; two in a row give an empty line, but
//   a line end at the very end of the text adds no empty line after it;
// - a line wraps at the last blank (space or tab) that lets it fit; the
//   blanks at the wrap are dropped, other blanks are kept as they stand;
// - blanks never push anything to a new line: blanks that do not fit at the
//   end of a line are dropped;
// - blanks at the start of the text or after a line end are kept and count
//   as part of the first word (a text of only blanks gives one line of them);
// - a word wider than a whole line is broken between characters;
// - a tab is drawn as a space; invalid UTF-8 is drawn as U+FFFD;
// - a line always holds at least one character, even if it is wider than
//   max_width, so that layout always advances; it holds at most a few
//   thousand, so that zero-width characters cannot gather the whole text.
// Stops after `max_lines` lines: the cost follows what can be shown, not the
// length of the text. Empty text gives no lines.
std::vector<LaidOutLine> layout_lines(std::string_view text, int max_width, std::size_t max_lines,
                                      const GlyphAdvance& advance);

} // namespace forms
