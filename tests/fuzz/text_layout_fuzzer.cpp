// Fuzzes the label's text path: any bytes are decoded as UTF-8 and laid out
// in lines within the label's box, with a fixed-metrics font in which some
// characters have no width and some are wide. Checks what the decoder and
// the layout promise for every input, and stops (abort) on the first break.
//
// The first byte picks the box: the number of lines shown and, mostly, the
// label's own text width; the rest is the text.
#include "forms/text/line_layout.h"
#include "forms/text/utf8.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The label is 345 px wide at 96 DPI; its border takes a pixel each side.
constexpr int label_text_width = 345 - 2;
// Wider than any line, so one such character alone overflows its line.
constexpr int oversized_advance = 400;
// The layout's own cap on the characters of one line.
constexpr std::size_t max_line_characters = 4096;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "text layout invariant broken: %s\n", what);
    std::abort();
}

void check(bool holds, const char* what) {
    if (!holds)
        fail(what);
}

// A fixed font: control characters and combining marks have no width, East
// Asian characters and emoji are wide, one character is wider than a line,
// and the rest vary a little with the code point.
int advance(char32_t c) {
    if (c < 0x20 || (c >= 0x7F && c < 0xA0))
        return 0;
    if ((c >= 0x0300 && c <= 0x036F) || (c >= 0x200B && c <= 0x200F) || c == 0xFEFF)
        return 0;
    if (c == 0xFDFD)
        return oversized_advance;
    if ((c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
        (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
        (c >= 0x1F300 && c <= 0x1FAFF) || c >= 0x20000)
        return 16;
    if (c == U' ')
        return 4;
    return 3 + static_cast<int>(c % 9);
}

bool is_line_end(char32_t c) {
    return c == U'\n' || c == U'\r';
}

std::string encode(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// Decoding: every step moves on, yields a Unicode scalar value, and either
// consumes exactly that value's UTF-8 form or, for an invalid sequence,
// yields U+FFFD for at most three bytes that are no complete character.
// The whole-text functions agree with the steps.
std::u32string check_decoding(std::string_view bytes) {
    std::u32string stepped;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t start = pos;
        const char32_t c = forms::decode_next(bytes, pos);
        check(pos > start && pos <= bytes.size(), "decode_next moves on within the text");
        check(c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF), "a decoded character is a scalar");
        const std::string_view consumed = bytes.substr(start, pos - start);
        if (consumed != encode(c)) {
            check(c == forms::replacement_character, "a valid sequence decodes to itself");
            check(consumed.size() <= 3, "an invalid sequence covers at most three bytes");
        }
        stepped.push_back(c);
    }
    check(forms::count_characters(bytes) == stepped.size(), "count_characters counts the steps");
    check(forms::decode_utf8(bytes) == stepped, "decode_utf8 gives the steps");
    return stepped;
}

struct Box {
    int max_width;
    std::size_t max_lines;
};

Box box_from(std::uint8_t selector) {
    // Mostly the label's own width; narrow and degenerate boxes too.
    constexpr std::array<int, 8> widths = {
        label_text_width, label_text_width, label_text_width, label_text_width, 120, 16, 1, 0};
    return {widths[(selector >> 3) & 7], std::size_t{1} + (selector & 7)};
}

// The text between line ends ("\r\n" is one), tabs shown as spaces. A line
// end at the very end of the text starts no paragraph of its own.
std::vector<std::u32string> paragraphs_of(const std::u32string& decoded) {
    if (decoded.empty())
        return {};
    std::vector<std::u32string> paragraphs(1);
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        const char32_t c = decoded[i];
        if (c == U'\r' && i + 1 < decoded.size() && decoded[i + 1] == U'\n')
            ++i;
        if (is_line_end(c))
            paragraphs.emplace_back();
        else
            paragraphs.back().push_back(c == U'\t' ? U' ' : c);
    }
    if (is_line_end(decoded.back()))
        paragraphs.pop_back();
    return paragraphs;
}

bool only_blanks_from(const std::u32string& text, std::size_t pos) {
    for (; pos < text.size(); ++pos)
        if (text[pos] != U' ')
            return false;
    return true;
}

// Where one line's characters lie in its paragraph: [start, end).
struct Span {
    std::size_t start;
    std::size_t end;
};

// Greedy filling: a line ends only where what follows could not join it. A
// word carried over after blanks would not have fitted with them; a word
// broken between characters breaks where its next character did not fit.
// A word that runs past the last line shown is not judged.
void check_wraps(const std::u32string& paragraph, const std::vector<forms::LaidOutLine>& lines,
                 std::size_t first_line, const std::vector<Span>& spans, const Box& box) {
    for (std::size_t i = 0; i + 1 < spans.size(); ++i) {
        const forms::LaidOutLine& line = lines[first_line + i];
        const std::size_t gap = spans[i + 1].start - spans[i].end;
        const std::size_t word_start = spans[i + 1].start;
        std::size_t word_end = word_start;
        long long word_width = 0;
        for (; word_end < paragraph.size() && paragraph[word_end] != U' '; ++word_end)
            word_width += advance(paragraph[word_end]);
        if (word_end > spans.back().end)
            continue;
        const long long joined_width = line.width + static_cast<long long>(gap) * advance(U' ') +
                                       (gap == 0 ? advance(paragraph[word_start]) : word_width);
        const std::size_t joined_size =
            line.text.size() + gap + (gap == 0 ? 1 : word_end - word_start);
        check(joined_width > box.max_width || joined_size > max_line_characters,
              "a line ends only where what follows does not fit");
    }
}

// The lines of one paragraph, from lines[next] on: its first line keeps its
// leading blanks (at least one; those that do not fit are dropped), a
// wrapped line starts with no blank, blanks inside a line are shown as they
// stand, and only the paragraph's last line may end in blanks. Nothing but
// blanks is left out.
void check_paragraph(const std::u32string& paragraph, const std::vector<forms::LaidOutLine>& lines,
                     std::size_t& next, const Box& box) {
    if (paragraph.empty()) {
        check(lines[next].text.empty(), "an empty paragraph gives an empty line");
        ++next;
        return;
    }
    const std::size_t first_line = next;
    std::vector<Span> spans;
    std::size_t pos = 0; // the first character of the paragraph not yet shown
    while (next < lines.size()) {
        const std::u32string& shown = lines[next++].text;
        check(!shown.empty(), "only an empty paragraph gives an empty line");
        if (spans.empty()) {
            check(shown[0] == paragraph[0], "a paragraph's first line starts where it does");
        } else {
            check(shown[0] != U' ', "a wrapped line starts with no blank");
            while (pos < paragraph.size() && paragraph[pos] == U' ')
                ++pos; // blanks at the wrap, or leading blanks that did not fit
        }
        const std::size_t start = pos;
        for (char32_t c : shown) {
            check(pos < paragraph.size() && paragraph[pos] == c,
                  "a line shows its paragraph in order");
            ++pos;
        }
        spans.push_back({start, pos});
        const bool blanks_only = shown.find_first_not_of(U' ') == std::u32string::npos;
        if (shown.back() == U' ' && !(blanks_only && spans.size() == 1))
            check(only_blanks_from(paragraph, pos), "only a paragraph's last line ends in blanks");
        if (only_blanks_from(paragraph, pos)) {
            check_wraps(paragraph, lines, first_line, spans, box);
            return; // blanks that did not fit at the end are dropped
        }
    }
    check(lines.size() == box.max_lines, "a paragraph is cut off only by a full box");
    check_wraps(paragraph, lines, first_line, spans, box);
}

// Layout: lines fit the box and measure what they hold, and they show the
// paragraphs of the text in order, leaving out only blanks, until the box
// is full.
void check_layout(const std::u32string& decoded, const std::vector<forms::LaidOutLine>& lines,
                  const Box& box) {
    check(lines.size() <= box.max_lines, "no more lines than the box shows");
    for (const forms::LaidOutLine& line : lines) {
        long long width = 0;
        for (char32_t c : line.text) {
            check(!is_line_end(c) && c != U'\t', "a line holds no line end and no tab");
            width += advance(c);
        }
        check(width == line.width, "a line's width is the sum of its advances");
        check(line.width <= box.max_width || line.text.size() == 1,
              "a line fits the width unless it holds one character");
        check(line.text.size() <= max_line_characters, "a line holds a bounded number");
    }

    const auto paragraphs = paragraphs_of(decoded);
    std::size_t next = 0;
    std::size_t shown_paragraphs = 0;
    for (; shown_paragraphs < paragraphs.size() && next < lines.size(); ++shown_paragraphs)
        check_paragraph(paragraphs[shown_paragraphs], lines, next, box);
    check(next == lines.size(), "every line shows part of the text");
    if (lines.size() < box.max_lines)
        check(shown_paragraphs == paragraphs.size(), "nothing is cut off while the box has room");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const Box box = box_from(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const std::u32string decoded = check_decoding(text);
    const auto lines = forms::layout_lines(text, box.max_width, box.max_lines, advance);
    check_layout(decoded, lines, box);

    // Showing fewer lines only cuts the list short: layout stops early, it
    // never lays the first lines out differently.
    const auto more = forms::layout_lines(text, box.max_width, box.max_lines + 3, advance);
    check(more.size() >= lines.size(), "more lines shown never gives fewer");
    for (std::size_t i = 0; i < lines.size(); ++i)
        check(more[i].text == lines[i].text && more[i].width == lines[i].width,
              "the first lines do not depend on how many are shown");
    return 0;
}
