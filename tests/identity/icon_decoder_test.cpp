// The icon file decoder the window uses: the program icon's 32-bit images
// come out whole and the right way up; short, corrupt or foreign files give
// an empty result instead of reading outside the bytes they were given.
#include "forms/icon_file.h"
#include "icon_bytes.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <ostream>

namespace {

using identity_test::u32;

std::vector<std::uint8_t> program_icon() {
    return identity_test::read_file(BREVON_ICON_FILE);
}

std::size_t entry(int image) {
    return 6 + 16 * static_cast<std::size_t>(image);
}
std::size_t image_offset(const std::vector<std::uint8_t>& file, int image) {
    return u32(file, entry(image) + 12);
}

void put_u32(std::vector<std::uint8_t>& file, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        file[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::uint8_t alpha(std::uint32_t argb) {
    return static_cast<std::uint8_t>(argb >> 24);
}

TEST(IconDecoder, ReturnsThe32BitImagesOfTheProgramIconInFileOrder) {
    const auto images = forms::decode_argb_icon_images(program_icon());
    ASSERT_EQ(images.size(), 3u);
    const int sizes[] = {48, 32, 16};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(images[i].width, sizes[i]);
        EXPECT_EQ(images[i].height, sizes[i]);
        EXPECT_EQ(images[i].argb.size(), static_cast<std::size_t>(sizes[i] * sizes[i]));
    }
}

TEST(IconDecoder, PixelsAreTheStoredOnesTopRowFirst) {
    const auto file = program_icon();
    const auto images = forms::decode_argb_icon_images(file);
    ASSERT_EQ(images.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const auto& image = images[static_cast<std::size_t>(i)];
        const int n = image.width;
        SCOPED_TRACE(n);
        // The file stores rows bottom up as B, G, R, A.
        const std::size_t pixels = image_offset(file, 5 + i) + 40;
        for (int y = 0; y < n; ++y) {
            for (int x = 0; x < n; ++x) {
                const std::size_t p = pixels + static_cast<std::size_t>(((n - 1 - y) * n + x) * 4);
                const std::uint32_t stored = static_cast<std::uint32_t>(file[p + 3]) << 24 |
                                             static_cast<std::uint32_t>(file[p + 2]) << 16 |
                                             static_cast<std::uint32_t>(file[p + 1]) << 8 | file[p];
                ASSERT_EQ(image.argb[static_cast<std::size_t>(y * n + x)], stored) << x << "," << y;
            }
        }
        // Near the bottom only the bubble's tail, on the left, is drawn; the
        // same row of an upside-down image would cross the whole bubble.
        const int row = n * 13 / 16;
        int left = 0;
        int right = 0;
        for (int x = 0; x < n; ++x) {
            const int a = alpha(image.argb[static_cast<std::size_t>(row * n + x)]);
            (x < n / 2 ? left : right) += a >= 128 ? 1 : 0;
        }
        EXPECT_GT(left, 0);
        EXPECT_EQ(right, 0);
    }
}

TEST(IconDecoder, AnyTruncationGivesNothing) {
    const auto file = program_icon();
    // The last image ends at the end of the file, so every shorter prefix
    // cuts something off.
    for (std::size_t length = 0; length < file.size(); ++length) {
        ASSERT_TRUE(forms::decode_argb_icon_images(std::span(file.data(), length)).empty())
            << "length " << length;
    }
}

struct Corruption {
    const char* what;
    std::function<void(std::vector<std::uint8_t>&)> apply;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const Corruption& c, std::ostream* os) {
    *os << c.what;
}

class CorruptIconFile : public ::testing::TestWithParam<Corruption> {};

TEST_P(CorruptIconFile, GivesNothing) {
    auto file = program_icon();
    GetParam().apply(file);
    EXPECT_TRUE(forms::decode_argb_icon_images(file).empty());
}

INSTANTIATE_TEST_SUITE_P(
    IconDecoder, CorruptIconFile,
    ::testing::Values(
        Corruption{"reserved field set", [](auto& f) { f[0] = 1; }},
        Corruption{"a cursor, not an icon", [](auto& f) { f[2] = 2; }},
        Corruption{"no images", [](auto& f) { f[4] = 0; }},
        Corruption{"directory longer than the file", [](auto& f) { f[5] = 0x10; }},
        Corruption{"image past the end", [](auto& f) { put_u32(f, entry(7) + 12, 23558 - 100); }},
        Corruption{"size that wraps around",
                   [](auto& f) { put_u32(f, entry(6) + 8, 0xffffffffu); }},
        Corruption{"offset far outside", [](auto& f) { put_u32(f, entry(5) + 12, 0x7fffffffu); }},
        Corruption{"bitmap header too small", [](auto& f) { put_u32(f, image_offset(f, 5), 12); }},
        Corruption{"bitmap header larger than the image",
                   [](auto& f) { put_u32(f, image_offset(f, 5), 100000); }},
        Corruption{"width disagrees with the directory",
                   [](auto& f) { put_u32(f, image_offset(f, 6) + 4, 33); }},
        Corruption{"height not doubled", [](auto& f) { put_u32(f, image_offset(f, 7) + 8, 16); }},
        Corruption{"32-bit pixels larger than the image",
                   [](auto& f) { put_u32(f, entry(7) + 8, 1000); }}),
    [](const auto& info) {
        std::string name;
        for (const char c : std::string(info.param.what)) {
            name += std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
        }
        return name;
    });

TEST(IconDecoder, SkipsImagesItDoesNotDecode) {
    auto file = program_icon();
    // Only the 4- and 8-bit images: a valid file with nothing to return.
    file[4] = 5;
    EXPECT_TRUE(forms::decode_argb_icon_images(file).empty());

    // A PNG-compressed image is passed over; the others still come out.
    file = program_icon();
    const std::size_t at = image_offset(file, 5);
    file[at] = 0x89;
    file[at + 1] = 'P';
    file[at + 2] = 'N';
    file[at + 3] = 'G';
    const auto images = forms::decode_argb_icon_images(file);
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].width, 32);
    EXPECT_EQ(images[1].width, 16);
}

TEST(IconDecoder, A32BitImageWithoutAlphaTakesTransparencyFromItsMask) {
    auto file = program_icon();
    const auto before = forms::decode_argb_icon_images(file).at(2); // 16 px
    const std::size_t pixels = image_offset(file, 7) + 40;
    for (std::size_t p = 0; p < 16 * 16; ++p) {
        file[pixels + p * 4 + 3] = 0;
    }
    const auto after = forms::decode_argb_icon_images(file).at(2);
    for (std::size_t p = 0; p < after.argb.size(); ++p) {
        // The mask is opaque exactly where the alpha was at least half.
        if (alpha(before.argb[p]) >= 128) {
            EXPECT_EQ(after.argb[p], before.argb[p] | 0xff000000u) << p;
        } else {
            EXPECT_EQ(after.argb[p], 0u) << p;
        }
    }
}

} // namespace
