// The message label for texts of every kind: hidden when there is no text,
// an empty info band for blanks, and centred lines of text from the top of
// the band, wrapped and clipped to the band's fixed size.
#include "brevon_test.h"

#include "expected_look.h"

#include <algorithm>

namespace e2e {
namespace {

constexpr Layout layout = layout_96;

struct LabelCase {
    const char* name;
    std::vector<std::string> args;
    bool shown;
    int min_lines; // lines of text ink in the band
    int max_lines;
};

// Test output names the case rather than dumping its bytes.
void PrintTo(const LabelCase& c, std::ostream* out) {
    *out << c.name;
}

// More than a megabyte of words, passed as many arguments (one argument may
// hold at most 128 KiB).
std::vector<std::string> megabyte_of_words() {
    std::string chunk;
    while (chunk.size() < 100'000) {
        chunk += "lorem ipsum dolor sit amet ";
    }
    return std::vector<std::string>(11, chunk);
}

const LabelCase label_cases[] = {
    {"NoArgument", {}, false, 0, 0},
    {"OneEmptyArgument", {""}, false, 0, 0},
    {"BlanksOnly", {"   "}, true, 0, 0},
    // Two empty arguments join to one blank.
    {"TwoEmptyArguments", {"", ""}, true, 0, 0},
    {"ShortText", {"Backup finished"}, true, 1, 1},
    {"LongSentenceWraps",
     {"The nightly backup of the shared drive finished with three warnings; see the log."},
     true,
     2,
     2},
    {"LongWordIsBroken", {std::string(120, 'W')}, true, 2, 3},
    {"NewlineBreaksTheLine", {"First line\nSecond line"}, true, 2, 2},
    {"MegabyteIsClippedToTheBand", megabyte_of_words(), true, 2, 3},
};

class LabelBand : public BrevonTestWithParam<LabelCase> {};

TEST_P(LabelBand, ShowsTheTextAsItShould) {
    const LabelCase& c = GetParam();
    auto run = start(c.args);
    const Image image = run.image();
    const Rect inside = layout.label.inset(1);

    EXPECT_EQ(stray_pixels(image, layout), 0) << "nothing may spill out of the label";
    if (!c.shown) {
        EXPECT_EQ(count(image, image.bounds(), is_colour(info_colour)), 0);
        EXPECT_EQ(count(image, layout.label, is_not_colour(face_colour)), 0)
            << "the band above the button stays empty";
        return;
    }

    EXPECT_EQ(bounding_box(image, image.bounds(), is_colour(info_colour)), inside)
        << "the band keeps its place and size";
    const auto lines = row_bands(image, inside, is_dark());
    EXPECT_GE(static_cast<int>(lines.size()), c.min_lines);
    EXPECT_LE(static_cast<int>(lines.size()), c.max_lines);
    if (c.max_lines == 0) {
        EXPECT_EQ(count(image, inside, is_not_colour(info_colour)), 0)
            << "blanks leave no visible mark";
        return;
    }

    // The first line starts at the top of the band.
    EXPECT_LE(lines.front().first - inside.y, 8);
    // Every line is centred across the band.
    for (const auto& [top, rows] : lines) {
        const auto ink = bounding_box(image, {inside.x, top, inside.width, rows}, is_dark());
        ASSERT_TRUE(ink);
        EXPECT_NEAR(centre_x(*ink), centre_x(inside), 3) << "line at row " << top;
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, LabelBand, ::testing::ValuesIn(label_cases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace e2e
