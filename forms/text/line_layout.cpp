// Greedy word wrap over lazily decoded UTF-8: characters are decoded and
// measured one at a time, and layout stops the moment the last line that may
// be shown is complete, so the cost follows what is shown.
#include "forms/text/line_layout.h"

#include "forms/text/utf8.h"

#include <climits>

namespace forms {

namespace {

// Zero-width characters (combining marks, for one) never fill a line, so
// without a limit one line could take in the whole text.
constexpr std::size_t max_line_characters = 4096;

constexpr bool is_blank(char32_t c) {
    return c == U' ' || c == U'\t';
}

// The line being filled and where it may be wrapped.
class LineBuilder {
  public:
    LineBuilder(std::vector<LaidOutLine>& lines, std::size_t max_lines, int max_width)
        : lines_(lines), max_lines_(max_lines), max_width_(max_width) {}

    bool done() const { return lines_.size() >= max_lines_; }
    bool empty() const { return text_.empty(); }

    // Places one character that is neither a blank nor a line end.
    void add_visible(char32_t c, int advance) {
        if (hanging_) {
            // The blanks that did not fit ended the line: the line closes
            // without them and `c` starts the next one.
            close_at_trailing_blanks();
            if (done())
                return;
        }
        while (!fits(advance)) {
            wrap();
            if (done())
                return;
        }
        append(c, advance);
        has_visible_ = true;
    }

    // Places one blank. A blank never starts a new line: one that does not
    // fit hangs past the end of the line and is dropped with the rest of its
    // run, so the advance of later blanks in the run is not needed.
    void add_blank(int advance) {
        if (!fits(advance)) {
            hanging_ = true;
            return;
        }
        // Leading blanks of a paragraph stay with its first word; only a
        // blank after something visible opens a wrap point.
        if (has_visible_ && !in_blank_run_) {
            has_break_ = true;
            break_end_ = text_.size();
            break_end_width_ = width_;
        }
        append(U' ', advance); // a tab is drawn as a space
        in_blank_run_ = true;
        next_start_ = text_.size();
        next_start_width_ = width_;
    }

    bool hanging() const { return hanging_; }

    // Ends the line as it stands (a line end in the text, or its end).
    void close() { emit(text_, width_); }

  private:
    bool fits(int advance) const {
        if (text_.empty())
            return true; // at least one character a line, so layout advances
        return !hanging_ && text_.size() < max_line_characters && width_ + advance <= max_width_;
    }

    void append(char32_t c, int advance) {
        text_.push_back(c);
        width_ += advance;
        if (!is_blank(c))
            in_blank_run_ = false;
    }

    // Ends the full line at its last wrap point, carrying the word after the
    // blanks on to the next line; without a wrap point the word is broken
    // here, between characters.
    void wrap() {
        if (!has_break_) {
            emit(text_, width_);
            return;
        }
        std::u32string carried = text_.substr(next_start_);
        const long long carried_width = width_ - next_start_width_;
        emit(text_.substr(0, break_end_), break_end_width_);
        // Nothing but the carried word is left, so it has no blank in it.
        text_ = std::move(carried);
        width_ = carried_width;
        has_visible_ = !text_.empty();
    }

    void close_at_trailing_blanks() {
        if (has_break_ && next_start_ == text_.size())
            emit(text_.substr(0, break_end_), break_end_width_);
        else
            emit(text_, width_);
    }

    void emit(std::u32string text, long long width) {
        const int shown_width = width > INT_MAX ? INT_MAX : width < INT_MIN ? INT_MIN : int(width);
        lines_.push_back({std::move(text), shown_width});
        text_.clear();
        width_ = 0;
        has_visible_ = false;
        in_blank_run_ = false;
        hanging_ = false;
        has_break_ = false;
    }

    std::vector<LaidOutLine>& lines_;
    const std::size_t max_lines_;
    const long long max_width_;

    std::u32string text_;
    // Wide enough that no sum of int advances over one line can overflow.
    long long width_ = 0;
    bool has_visible_ = false;
    bool in_blank_run_ = false;
    bool hanging_ = false;
    // The last blank run after something visible: the line ends before it
    // and the next line starts after it.
    bool has_break_ = false;
    std::size_t break_end_ = 0;
    long long break_end_width_ = 0;
    std::size_t next_start_ = 0;
    long long next_start_width_ = 0;
};

} // namespace

std::vector<LaidOutLine> layout_lines(std::string_view text, int max_width, std::size_t max_lines,
                                      const GlyphAdvance& advance) {
    std::vector<LaidOutLine> lines;
    LineBuilder line(lines, max_lines, max_width);
    std::size_t pos = 0;
    while (pos < text.size() && !line.done()) {
        const char32_t c = decode_next(text, pos);
        if (c == U'\n' || c == U'\r') {
            if (c == U'\r' && pos < text.size() && text[pos] == '\n')
                ++pos; // "\r\n" is one line end
            line.close();
        } else if (is_blank(c)) {
            if (!line.hanging())
                line.add_blank(advance(U' '));
        } else {
            line.add_visible(c, advance(c));
        }
    }
    // A line end closes its line, so a line end at the very end of the text
    // adds no empty line after it.
    if (!line.done() && !line.empty())
        line.close();
    return lines;
}

} // namespace forms
