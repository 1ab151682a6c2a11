// The PNG icons the build installs: valid PNG files (chunk CRCs, header),
// whose pixels, inflated by zlib, are exactly the icon file's 32-bit image
// of the same size.
#include "forms/icon_file.h"
#include "icon_bytes.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <string>

namespace {

std::uint32_t be32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) << 24 | static_cast<std::uint32_t>(b[at + 1]) << 16 |
           static_cast<std::uint32_t>(b[at + 2]) << 8 | b[at + 3];
}

struct Png {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint8_t> header;
    std::vector<std::uint8_t> compressed;
};

// Walks the chunks, checking each CRC; collects IHDR and IDAT.
Png read_png(const std::vector<std::uint8_t>& file) {
    const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    EXPECT_TRUE(file.size() >= 8 && std::equal(signature, signature + 8, file.begin()));
    Png png;
    std::size_t at = 8;
    std::string last;
    while (at + 12 <= file.size()) {
        const std::uint32_t length = be32(file, at);
        if (at + 12 + length > file.size()) {
            ADD_FAILURE() << "chunk runs past the end";
            return png;
        }
        const std::string type(file.begin() + static_cast<std::ptrdiff_t>(at + 4),
                               file.begin() + static_cast<std::ptrdiff_t>(at + 8));
        const auto crc = static_cast<std::uint32_t>(crc32(0, file.data() + at + 4, length + 4));
        EXPECT_EQ(be32(file, at + 8 + length), crc) << type << " CRC";
        const auto data = std::span(file).subspan(at + 8, length);
        if (type == "IHDR") {
            png.header.assign(data.begin(), data.end());
            png.width = be32(data, 0);
            png.height = be32(data, 4);
        } else if (type == "IDAT") {
            png.compressed.insert(png.compressed.end(), data.begin(), data.end());
        }
        last = type;
        at += 12 + length;
    }
    EXPECT_EQ(at, file.size());
    EXPECT_EQ(last, "IEND");
    return png;
}

TEST(PngIcons, AreTheIconFilesThirtyTwoBitImages) {
    const auto images = forms::decode_argb_icon_images(identity_test::read_file(BREVON_ICON_FILE));
    ASSERT_EQ(images.size(), 3u);
    for (const auto& image : images) {
        SCOPED_TRACE(image.width);
        const std::string path =
            std::string(BREVON_PNG_ICON_DIR) + "/brevon-" + std::to_string(image.width) + ".png";
        const Png png = read_png(identity_test::read_file(path));
        ASSERT_EQ(png.header.size(), 13u);
        EXPECT_EQ(png.width, static_cast<std::uint32_t>(image.width));
        EXPECT_EQ(png.height, static_cast<std::uint32_t>(image.height));
        // 8 bits a channel, RGBA, deflate, adaptive filtering, no interlace.
        EXPECT_EQ(std::vector<std::uint8_t>(png.header.begin() + 8, png.header.end()),
                  (std::vector<std::uint8_t>{8, 6, 0, 0, 0}));

        const std::size_t row = 1 + 4 * png.width;
        std::vector<std::uint8_t> raw(row * png.height);
        uLongf raw_size = raw.size();
        ASSERT_EQ(uncompress(raw.data(), &raw_size, png.compressed.data(), png.compressed.size()),
                  Z_OK);
        ASSERT_EQ(raw_size, raw.size());
        for (std::size_t y = 0; y < png.height; ++y) {
            ASSERT_EQ(raw[y * row], 0) << "filter of row " << y;
            for (std::size_t x = 0; x < png.width; ++x) {
                const std::uint8_t* p = &raw[y * row + 1 + 4 * x];
                const std::uint32_t argb = static_cast<std::uint32_t>(p[3]) << 24 |
                                           static_cast<std::uint32_t>(p[0]) << 16 |
                                           static_cast<std::uint32_t>(p[1]) << 8 | p[2];
                ASSERT_EQ(argb, image.argb[y * png.width + x]) << x << "," << y;
            }
        }
    }
}

} // namespace
