// Line layout of label text: word wrap, long words, line ends, blanks at the
// wrap, the line limit, and that layout measures only what it shows.
#include "forms/text/line_layout.h"

#include "forms/text/utf8.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <vector>

namespace {

using forms::layout_lines;

constexpr char32_t R = forms::replacement_character;
constexpr int char_width = 10;

int fixed_advance(char32_t) {
    return char_width;
}

std::vector<std::u32string> texts_of(const std::vector<forms::LaidOutLine>& lines) {
    std::vector<std::u32string> texts;
    for (const auto& line : lines)
        texts.push_back(line.text);
    return texts;
}

struct LayoutCase {
    const char* name;
    std::string text;
    int max_width;
    std::size_t max_lines;
    std::vector<std::u32string> expected;
};

// Every character is 10 px wide, so a width of 50 holds five characters.
const std::vector<LayoutCase> layout_cases = {
    {"empty text", "", 100, 10, {}},
    {"fits", "hello", 100, 10, {U"hello"}},
    {"fits exactly", "hello world", 110, 10, {U"hello world"}},
    {"one pixel short wraps", "hello world", 109, 10, {U"hello", U"world"}},
    {"greedy fill", "aa bb cc dd ee", 50, 10, {U"aa bb", U"cc dd", U"ee"}},
    {"wraps at the last blank that fits", "aa bb cccc", 70, 10, {U"aa bb", U"cccc"}},

    {"blank run at the wrap dropped", "aaa    bbb", 50, 10, {U"aaa", U"bbb"}},
    {"blanks that fit before the wrap dropped", "aaa  bbb", 50, 10, {U"aaa", U"bbb"}},
    {"blank after a full line dropped", "aaaaa bbb", 50, 10, {U"aaaaa", U"bbb"}},
    {"tabs at the wrap dropped", "aaa\t\tbbb", 50, 10, {U"aaa", U"bbb"}},
    {"blanks inside a line kept", "a  b\tc", 100, 10, {U"a  b c"}},
    {"tab drawn as a space", "\t", 100, 10, {U" "}},

    {"word wider than a line broken", "abcdefghij", 40, 10, {U"abcd", U"efgh", U"ij"}},
    {"long word starts its own line", "ab cdefghij", 40, 10, {U"ab", U"cdef", U"ghij"}},
    {"words after a broken word wrap", "abcdefg hi", 40, 10, {U"abcd", U"efg", U"hi"}},
    {"character wider than the line", "abc", 5, 10, {U"a", U"b", U"c"}},
    {"zero width still advances", "ab", 0, 10, {U"a", U"b"}},

    {"LF ends a line", "a\nb", 100, 10, {U"a", U"b"}},
    {"CR LF ends a line", "a\r\nb", 100, 10, {U"a", U"b"}},
    {"CR ends a line", "a\rb", 100, 10, {U"a", U"b"}},
    {"two LF give an empty line", "a\n\nb", 100, 10, {U"a", U"", U"b"}},
    {"two CR LF give an empty line", "a\r\n\r\nb", 100, 10, {U"a", U"", U"b"}},
    {"two CR give an empty line", "a\r\rb", 100, 10, {U"a", U"", U"b"}},
    {"LF CR are two line ends", "a\n\rb", 100, 10, {U"a", U"", U"b"}},
    {"lone LF is one empty line", "\n", 100, 10, {U""}},
    {"two LF are two empty lines", "\n\n", 100, 10, {U"", U""}},
    {"final LF adds no line", "a\n", 100, 10, {U"a"}},
    {"final CR LF adds no line", "a\r\n", 100, 10, {U"a"}},
    {"final CR adds no line", "a\r", 100, 10, {U"a"}},
    {"final LF after an empty line", "a\n\n", 100, 10, {U"a", U""}},
    {"line end resets the wrap", "aaaa\nbb cc", 50, 10, {U"aaaa", U"bb cc"}},

    {"leading blanks kept", "  ab", 100, 10, {U"  ab"}},
    {"leading blanks after a line end kept", "a\n  b", 100, 10, {U"a", U"  b"}},
    {"leading blanks belong to the first word", "  abcdef", 50, 10, {U"  abc", U"def"}},
    {"only blanks", "   ", 100, 10, {U"   "}},
    {"only blanks, wider than the line", "          ", 50, 10, {U"     "}},
    {"blanks before a line end kept", "ab  \ncd", 100, 10, {U"ab  ", U"cd"}},
    {"blanks past the width before a line end dropped", "abcd   \nef", 50, 10, {U"abcd ", U"ef"}},

    {"no lines wanted", "hello", 100, 0, {}},
    {"line limit on line ends", "a\nb\nc\nd", 100, 2, {U"a", U"b"}},
    {"line limit on wrapped words", "aa bb cc dd", 20, 3, {U"aa", U"bb", U"cc"}},
    {"line limit on a broken word", "abcdefghij", 40, 2, {U"abcd", U"efgh"}},
    {"line limit on empty lines", "\n\n\n\n", 100, 3, {U"", U"", U""}},

    {"invalid bytes drawn as replacement",
     "a\xFF"
     "b",
     100,
     10,
     {{U'a', R, U'b'}}},
    {"cut-off sequence before a line end", "\xE2\x82\nx", 100, 10, {{R}, U"x"}},
    {"multi-byte characters measured once each",
     "\xC3\xA9\xC3\xA9\xC3\xA9 \xC3\xA9\xC3\xA9",
     30,
     10,
     {U"ééé", U"éé"}},
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.name;
}

class LayoutTable : public testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutTable, LaysOutAsExpected) {
    const LayoutCase& c = GetParam();
    const auto lines = layout_lines(c.text, c.max_width, c.max_lines, fixed_advance);
    EXPECT_EQ(texts_of(lines), c.expected);
    for (const auto& line : lines) {
        EXPECT_EQ(line.width, char_width * int(line.text.size()));
        if (line.text.size() > 1) {
            EXPECT_LE(line.width, c.max_width);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(LineLayout, LayoutTable, testing::ValuesIn(layout_cases),
                         [](const testing::TestParamInfo<LayoutCase>& info) {
                             std::string name;
                             for (const char ch : std::string(info.param.name))
                                 name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return name;
                         });

// Wide and narrow glyphs: the wrap follows pixels, not character counts.
int proportional_advance(char32_t c) {
    switch (c) {
    case U'W':
        return 30;
    case U'i':
        return 5;
    case U'\t':
        return 50; // a tab must be measured as the space it is drawn as
    default:
        return 10;
    }
}

TEST(LineLayout, WrapsByPixelsWithProportionalGlyphs) {
    const auto wide = layout_lines("WWW ii", 100, 10, proportional_advance);
    EXPECT_EQ(texts_of(wide), (std::vector<std::u32string>{U"WWW", U"ii"}));
    ASSERT_EQ(wide.size(), 2u);
    EXPECT_EQ(wide[0].width, 90);
    EXPECT_EQ(wide[1].width, 10);

    const auto narrow = layout_lines("iiiiiiiiii iiii", 100, 10, proportional_advance);
    ASSERT_EQ(narrow.size(), 1u);
    EXPECT_EQ(narrow[0].width, 80);

    const auto tab = layout_lines("i\ti", 100, 10, proportional_advance);
    ASSERT_EQ(tab.size(), 1u);
    EXPECT_EQ(tab[0].text, U"i i");
    EXPECT_EQ(tab[0].width, 20);
}

// Layout must stop measuring once the lines it may show are complete, however
// long the text: these texts are a megabyte or more, and at most a few lines
// fit.
struct HugeTextCase {
    const char* name;
    std::string text;
    int advance;
    std::size_t expected_lines;
    int max_calls;
};

std::string repeated(const std::string& piece, std::size_t total_bytes) {
    std::string text;
    text.reserve(total_bytes + piece.size());
    while (text.size() < total_bytes)
        text += piece;
    return text;
}

TEST(LineLayout, MeasuresOnlyWhatItShows) {
    const std::vector<HugeTextCase> cases = {
        {"a megabyte of words", repeated("lorem ipsum dolor ", 1 << 20), 10, 3, 100},
        {"a 128 KiB word", std::string(128 * 1024, 'x'), 10, 3, 100},
        {"a megabyte of blanks between two words", "a" + std::string(1 << 20, ' ') + "b\nc\nd", 10,
         3, 50},
        {"a megabyte of blanks", std::string(1 << 20, '\t'), 10, 1, 50},
        {"a megabyte of zero-width marks", repeated("\xCC\x81", 1 << 20), 0, 3, 20000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int calls = 0;
        const forms::GlyphAdvance counting = [&](char32_t) {
            ++calls;
            return c.advance;
        };
        const auto lines = layout_lines(c.text, 300, 3, counting);
        EXPECT_EQ(lines.size(), c.expected_lines);
        EXPECT_LE(calls, c.max_calls);
    }
}

} // namespace
