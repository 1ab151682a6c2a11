// The icon the window shows in a title bar and a task switcher: its
// _NET_WM_ICON holds the program icon's 48, 32 and 16 px images, pixel for
// pixel the 32-bit images of the icon file.
#include "brevon_test.h"

#include "forms/icon_file.h"
#include "harness/window_properties.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace e2e {
namespace {

std::vector<std::uint8_t> icon_file() {
    std::ifstream in(BREVON_ICON_FILE, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// _NET_WM_ICON is a run of images, each its width, its height, then its
// pixels as 32-bit ARGB values.
std::vector<forms::IconImage> split_net_wm_icon(const std::vector<long>& items) {
    std::vector<forms::IconImage> images;
    std::size_t at = 0;
    while (at + 2 <= items.size()) {
        forms::IconImage image;
        image.width = static_cast<int>(items[at]);
        image.height = static_cast<int>(items[at + 1]);
        at += 2;
        const auto pixels = static_cast<std::size_t>(image.width) * image.height;
        if (image.width <= 0 || image.height <= 0 || at + pixels > items.size())
            break;
        for (std::size_t i = 0; i < pixels; ++i) {
            // Xlib hands format-32 data back as longs, sign-extended.
            image.argb.push_back(static_cast<std::uint32_t>(items[at + i] & 0xFFFFFFFF));
        }
        at += pixels;
        images.push_back(std::move(image));
    }
    return images;
}

class WindowIcon : public BrevonTest {};

TEST_F(WindowIcon, IsTheIconFilesThirtyTwoBitImages) {
    const std::vector<forms::IconImage> expected = forms::decode_argb_icon_images(icon_file());
    ASSERT_EQ(expected.size(), 3u) << "the icon file's 32-bit images";

    auto run = start({"Backup finished"});
    const auto property = read_property(display().get(), run.window(), "_NET_WM_ICON");
    ASSERT_TRUE(property);
    EXPECT_EQ(property->type, "CARDINAL");
    const std::vector<forms::IconImage> shown = split_net_wm_icon(property->items);

    ASSERT_EQ(shown.size(), expected.size());
    const int sizes[] = {48, 32, 16};
    for (std::size_t i = 0; i < shown.size(); ++i) {
        SCOPED_TRACE(sizes[i]);
        EXPECT_EQ(shown[i].width, sizes[i]);
        EXPECT_EQ(shown[i].height, sizes[i]);
        EXPECT_TRUE(shown[i] == expected[i]) << "pixels differ from the icon file";
    }
}

} // namespace
} // namespace e2e
