// Decodes the icon file format: a 6-byte header, 16-byte directory entries,
// and per image a bitmap header, colour table, colour (XOR) rows and a 1-bit
// AND mask, rows bottom to top and padded to four bytes. Every read is
// bounds-checked against the file, since the bytes may come from anywhere.
#include "forms/icon_file.h"

#include <cstddef>
#include <optional>

namespace forms {
namespace {

constexpr std::size_t directory_header_size = 6;
constexpr std::size_t directory_entry_size = 16;
constexpr std::size_t bitmap_header_size = 40;
constexpr int max_dimension = 256;

std::uint32_t u16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8));
}

std::uint32_t u32(std::span<const std::uint8_t> b, std::size_t at) {
    return u16(b, at) | (u16(b, at + 2) << 16);
}

std::size_t row_stride(std::size_t width, std::size_t bit_count) {
    return (width * bit_count + 31) / 32 * 4;
}

// One 32-bit image, or nothing when `image` is not an uncompressed 32-bit
// bitmap of the entry's size. A malformed bitmap is reported through `bad`.
std::optional<IconImage> decode_image(std::span<const std::uint8_t> image, int width, int height,
                                      bool& bad) {
    if (image.size() >= 4 && image[0] == 0x89 && image[1] == 'P') {
        return std::nullopt; // a PNG-compressed image: not ours to decode here
    }
    if (image.size() < bitmap_header_size) {
        bad = true;
        return std::nullopt;
    }
    const std::uint32_t header_size = u32(image, 0);
    const auto bitmap_width = static_cast<std::int32_t>(u32(image, 4));
    const auto bitmap_height = static_cast<std::int32_t>(u32(image, 8));
    const std::uint32_t bit_count = u16(image, 14);
    const std::uint32_t compression = u32(image, 16);
    if (header_size < bitmap_header_size || header_size > image.size() || bitmap_width != width ||
        bitmap_height != height * 2) {
        bad = true;
        return std::nullopt;
    }
    if (bit_count != 32 || compression != 0) {
        return std::nullopt;
    }
    const auto w = static_cast<std::size_t>(width);
    const auto h = static_cast<std::size_t>(height);
    const std::size_t stride = row_stride(w, 32);
    const std::size_t mask_stride = row_stride(w, 1);
    if (image.size() - header_size < (stride + mask_stride) * h) {
        bad = true;
        return std::nullopt;
    }
    const auto pixels = image.subspan(header_size);
    const auto mask = pixels.subspan(stride * h);

    IconImage out{width, height, std::vector<std::uint32_t>(w * h)};
    bool any_alpha = false;
    for (std::size_t y = 0; y < h; ++y) {
        const std::size_t row = (h - 1 - y) * stride; // stored bottom to top
        for (std::size_t x = 0; x < w; ++x) {
            // Stored B, G, R, A: read little-endian that is 0xAARRGGBB.
            const std::uint32_t argb = u32(pixels, row + x * 4);
            out.argb[y * w + x] = argb;
            any_alpha = any_alpha || (argb >> 24) != 0;
        }
    }
    if (!any_alpha) {
        // An old-style 32-bit image without alpha: the AND mask says what is
        // transparent.
        for (std::size_t y = 0; y < h; ++y) {
            const std::size_t row = (h - 1 - y) * mask_stride;
            for (std::size_t x = 0; x < w; ++x) {
                const bool transparent = (mask[row + x / 8] & (0x80 >> (x % 8))) != 0;
                std::uint32_t& p = out.argb[y * w + x];
                p = transparent ? 0 : (p | 0xff000000u);
            }
        }
    }
    return out;
}

} // namespace

std::vector<IconImage> decode_argb_icon_images(std::span<const std::uint8_t> file) {
    if (file.size() < directory_header_size || u16(file, 0) != 0 || u16(file, 2) != 1) {
        return {};
    }
    const std::size_t count = u16(file, 4);
    if (count == 0 || file.size() < directory_header_size + count * directory_entry_size) {
        return {};
    }
    std::vector<IconImage> images;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = directory_header_size + i * directory_entry_size;
        // A stored width or height of 0 means 256.
        const int width = file[entry] == 0 ? max_dimension : file[entry];
        const int height = file[entry + 1] == 0 ? max_dimension : file[entry + 1];
        const std::size_t size = u32(file, entry + 8);
        const std::size_t offset = u32(file, entry + 12);
        if (offset > file.size() || size > file.size() - offset) {
            return {};
        }
        bool bad = false;
        auto image = decode_image(file.subspan(offset, size), width, height, bad);
        if (bad) {
            return {};
        }
        if (image) {
            images.push_back(std::move(*image));
        }
    }
    return images;
}

} // namespace forms
