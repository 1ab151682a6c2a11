// Where the label and the button sit and how they are framed, at 96 DPI and
// at 192 DPI, judged from the window's pixels.
#include "brevon_test.h"

#include "expected_look.h"

#include <algorithm>

namespace e2e {
namespace {

class ControlLayout : public BrevonTestWithParam<Layout> {
  protected:
    Image shown_with_text() {
        const Layout& layout = GetParam();
        auto run = start({"Backup finished"}, layout.xft_dpi);
        return run.image();
    }
};

TEST_P(ControlLayout, LabelBandFillsItsPlaceInsideASingleBorder) {
    const Layout& layout = GetParam();
    const Image image = shown_with_text();

    EXPECT_EQ(bounding_box(image, image.bounds(), is_colour(info_colour)), layout.label.inset(1));

    const auto border = frame_pixels(image, layout.label);
    ASSERT_FALSE(border.empty());
    const Rgb line = border.front();
    EXPECT_TRUE(std::all_of(border.begin(), border.end(), [&](Rgb p) { return p == line; }))
        << "the label's border is one line of one colour";
    EXPECT_NE(line, face_colour);
    EXPECT_NE(line, info_colour);
}

TEST_P(ControlLayout, ButtonFillsItsPlaceWithADarkDefaultFrame) {
    const Layout& layout = GetParam();
    const Image image = shown_with_text();

    const Rect below_label{0, layout.label.bottom(), image.width(),
                           image.height() - layout.label.bottom()};
    EXPECT_EQ(bounding_box(image, below_label, is_not_colour(face_colour)), layout.button);

    const auto frame = frame_pixels(image, layout.button);
    EXPECT_TRUE(std::all_of(frame.begin(), frame.end(), is_dark()))
        << "the default button is ringed by a dark frame";
}

TEST_P(ControlLayout, NothingIsDrawnOutsideTheControls) {
    const Layout& layout = GetParam();
    const Image image = shown_with_text();

    EXPECT_EQ(image.width(), layout.width);
    EXPECT_EQ(image.height(), layout.height);
    EXPECT_EQ(stray_pixels(image, layout), 0);
}

TEST_P(ControlLayout, OkCaptionIsCentredOnTheButton) {
    const Layout& layout = GetParam();
    const Image image = shown_with_text();

    // Well inside the frame, the bevel and the focus cue, the only dark
    // ink is the caption.
    const Rect face = layout.button.inset(layout.button.height / 6);
    const auto caption = bounding_box(image, face, is_dark());
    ASSERT_TRUE(caption);
    EXPECT_NEAR(centre_x(*caption), centre_x(layout.button), 2);
    EXPECT_NEAR(centre_y(*caption), centre_y(layout.button), 3);
    // "OK" in the button's 19-pixel font stands over a quarter of the
    // button's height; in the 13-pixel text font it would not.
    EXPECT_GE(caption->height * 4, layout.button.height);
}

INSTANTIATE_TEST_SUITE_P(Densities, ControlLayout, ::testing::Values(layout_96, layout_192),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace e2e
