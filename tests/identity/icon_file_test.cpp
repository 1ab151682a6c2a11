// The committed program icon file: its size, its directory of eight images
// in their fixed order, each image's bitmap header and colour table, and
// masks that agree with the 32-bit images' alpha. Also that the program
// embeds exactly this file.
#include "icon_bytes.h"
#include "resources/program_icon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

using identity_test::u16;
using identity_test::u32;

struct Expected {
    int size;
    int bit_count;
};

// The eight images, in the order the file must hold them.
constexpr Expected expected_images[] = {
    {32, 4}, {16, 4}, {48, 8}, {32, 8}, {16, 8}, {48, 32}, {32, 32}, {16, 32},
};

std::size_t stride(int width, int bit_count) {
    return static_cast<std::size_t>((width * bit_count + 31) / 32 * 4);
}

std::size_t palette_entries(int bit_count) {
    return bit_count <= 8 ? std::size_t{1} << bit_count : 0;
}

class ProgramIconFile : public ::testing::Test {
  protected:
    std::vector<std::uint8_t> file = identity_test::read_file(BREVON_ICON_FILE);

    std::size_t offset(int image) const { return u32(file, 6 + 16 * image + 12); }

    // The 1-bit AND mask of image `image`, as one bool per pixel, rows top to
    // bottom; true lets the background through.
    std::vector<bool> mask(int image) const {
        const auto [size, bits] = expected_images[image];
        const std::size_t at = offset(image) + 40 + palette_entries(bits) * 4 +
                               stride(size, bits) * static_cast<std::size_t>(size);
        std::vector<bool> out;
        for (int y = size - 1; y >= 0; --y) {
            const std::size_t row = at + static_cast<std::size_t>(y) * stride(size, 1);
            for (int x = 0; x < size; ++x) {
                out.push_back((file[row + static_cast<std::size_t>(x / 8)] & (0x80 >> (x % 8))) !=
                              0);
            }
        }
        return out;
    }
};

TEST_F(ProgramIconFile, IsExactly23558Bytes) {
    EXPECT_EQ(file.size(), 23558u);
}

TEST_F(ProgramIconFile, ProgramEmbedsTheCommittedFile) {
    const auto embedded = resources::program_icon_file();
    EXPECT_TRUE(std::equal(embedded.begin(), embedded.end(), file.begin(), file.end()));
}

TEST_F(ProgramIconFile, DirectoryListsTheEightImagesInOrderTilingTheFile) {
    ASSERT_GE(file.size(), 6u + 16 * 8);
    EXPECT_EQ(u16(file, 0), 0u);
    EXPECT_EQ(u16(file, 2), 1u) << "resource type must be icon";
    ASSERT_EQ(u16(file, 4), 8u);

    std::size_t next = 6 + 16 * 8; // images follow the directory without gaps
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE("image " + std::to_string(i + 1));
        const std::size_t entry = 6 + 16 * static_cast<std::size_t>(i);
        const auto [size, bits] = expected_images[i];
        EXPECT_EQ(file[entry], size);
        EXPECT_EQ(file[entry + 1], size);
        EXPECT_EQ(file[entry + 2], bits == 4 ? 16 : 0) << "colour count";
        EXPECT_EQ(file[entry + 3], 0);
        EXPECT_EQ(u16(file, entry + 4), 1u) << "planes";
        EXPECT_EQ(u16(file, entry + 6), static_cast<std::uint32_t>(bits));
        const std::size_t bytes =
            40 + palette_entries(bits) * 4 +
            (stride(size, bits) + stride(size, 1)) * static_cast<std::size_t>(size);
        EXPECT_EQ(u32(file, entry + 8), bytes);
        EXPECT_EQ(u32(file, entry + 12), next);
        next += bytes;
    }
    EXPECT_EQ(next, file.size());
}

TEST_F(ProgramIconFile, EachImageHasABitmapHeaderOfDoubleHeight) {
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE("image " + std::to_string(i + 1));
        const std::size_t at = offset(i);
        const auto [size, bits] = expected_images[i];
        EXPECT_EQ(u32(file, at), 40u) << "header size";
        EXPECT_EQ(u32(file, at + 4), static_cast<std::uint32_t>(size));
        EXPECT_EQ(u32(file, at + 8), static_cast<std::uint32_t>(2 * size)) << "colour + mask";
        EXPECT_EQ(u16(file, at + 12), 1u) << "planes";
        EXPECT_EQ(u16(file, at + 14), static_cast<std::uint32_t>(bits));
        EXPECT_EQ(u32(file, at + 16), 0u) << "uncompressed";
        EXPECT_EQ(u32(file, at + 20),
                  (stride(size, bits) + stride(size, 1)) * static_cast<std::size_t>(size));
        EXPECT_EQ(u32(file, at + 32), 0u) << "colours used: the whole table";
        for (std::size_t entry = 0; entry < palette_entries(bits); ++entry) {
            EXPECT_EQ(file[at + 40 + entry * 4 + 3], 0) << "palette entry " << entry;
        }
    }
}

TEST_F(ProgramIconFile, MasksAgreeWithTheAlphaOfThe32BitImageOfTheSameSize) {
    std::map<int, int> image_32_of_size;
    for (int i = 0; i < 8; ++i) {
        if (expected_images[i].bit_count == 32) {
            image_32_of_size[expected_images[i].size] = i;
        }
    }
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE("image " + std::to_string(i + 1));
        const auto [size, bits] = expected_images[i];
        const int reference = image_32_of_size.at(size);
        const std::size_t pixels = offset(reference) + 40;
        const std::vector<bool> transparent = mask(i);
        int opaque = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const std::size_t row = static_cast<std::size_t>(size - 1 - y);
                const int alpha = file[pixels + (row * static_cast<std::size_t>(size) + x) * 4 + 3];
                EXPECT_EQ(transparent[static_cast<std::size_t>(y * size + x)], alpha < 128)
                    << "pixel " << x << "," << y << " alpha " << alpha;
                opaque += alpha >= 128 ? 1 : 0;
            }
        }
        // The artwork covers a good part of the square, but not all of it.
        EXPECT_GT(opaque, size * size / 3);
        EXPECT_LT(opaque, size * size);
    }
}

TEST_F(ProgramIconFile, PalettedImagesShowTheColoursOfThe32BitImages) {
    // Quantising may move a colour, but not far: a flipped, shifted or
    // mis-indexed image would be far off on average.
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE("image " + std::to_string(i + 1));
        const auto [size, bits] = expected_images[i];
        const int reference = size == 48 ? 5 : size == 32 ? 6 : 7;
        const std::size_t palette = offset(i) + 40;
        const std::size_t indices = palette + palette_entries(bits) * 4;
        const std::size_t pixels = offset(reference) + 40;
        const std::vector<bool> transparent = mask(i);
        long total_error = 0;
        int counted = 0;
        for (int y = 0; y < size; ++y) {
            const std::size_t row = static_cast<std::size_t>(size - 1 - y);
            for (int x = 0; x < size; ++x) {
                const std::size_t bit =
                    row * stride(size, bits) * 8 + static_cast<std::size_t>(x * bits);
                int index = file[indices + bit / 8];
                if (bits == 4) {
                    index = (bit % 8 == 0) ? index >> 4 : index & 0x0f;
                }
                if (transparent[static_cast<std::size_t>(y * size + x)]) {
                    EXPECT_EQ(index, 0) << "a transparent pixel must be black underneath";
                    continue;
                }
                const std::size_t p = pixels + (row * static_cast<std::size_t>(size) + x) * 4;
                const std::size_t c = palette + static_cast<std::size_t>(index) * 4;
                for (int channel = 0; channel < 3; ++channel) {
                    total_error += std::abs(file[c + channel] - file[p + channel]);
                }
                ++counted;
            }
        }
        ASSERT_GT(counted, 0);
        EXPECT_LT(static_cast<double>(total_error) / (3.0 * counted), bits == 4 ? 12.0 : 6.0);
    }
}

} // namespace
