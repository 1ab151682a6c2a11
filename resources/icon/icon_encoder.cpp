// Writes the icon file format: all values little-endian; bitmap rows bottom
// to top, each padded to four bytes; a bitmap's height field counts the
// colour image and the mask, so it is twice the icon's height.
#include "icon_encoder.h"

#include "artwork.h"
#include "palette.h"

#include <map>

namespace resources::icon {
namespace {

constexpr int directory_header_size = 6;
constexpr int directory_entry_size = 16;
constexpr int bitmap_header_size = 40;

class Writer {
  public:
    void u8(int v) { bytes_.push_back(static_cast<std::uint8_t>(v)); }
    void u16(int v) {
        u8(v & 0xff);
        u8((v >> 8) & 0xff);
    }
    void u32(std::uint32_t v) {
        u16(static_cast<int>(v & 0xffff));
        u16(static_cast<int>(v >> 16));
    }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

  private:
    std::vector<std::uint8_t> bytes_;
};

int row_stride(int width, int bit_count) {
    return (width * bit_count + 31) / 32 * 4;
}

std::uint32_t palette_size(int bit_count) {
    return bit_count <= 8 ? 1u << bit_count : 0;
}

std::uint32_t image_size(ImageFormat f) {
    const int xor_bytes = row_stride(f.size, f.bit_count) * f.size;
    const int and_bytes = row_stride(f.size, 1) * f.size;
    return static_cast<std::uint32_t>(bitmap_header_size) + palette_size(f.bit_count) * 4 +
           static_cast<std::uint32_t>(xor_bytes + and_bytes);
}

bool opaque(const Rgba& pixel) {
    return pixel.a >= mask_alpha_threshold;
}

void write_image(Writer& out, ImageFormat f, const Artwork& art) {
    const int stride = row_stride(f.size, f.bit_count);
    const int mask_stride = row_stride(f.size, 1);
    out.u32(bitmap_header_size);
    out.u32(static_cast<std::uint32_t>(f.size));
    out.u32(static_cast<std::uint32_t>(f.size * 2));
    out.u16(1); // planes
    out.u16(f.bit_count);
    out.u32(0); // uncompressed
    out.u32(static_cast<std::uint32_t>((stride + mask_stride) * f.size));
    out.u32(0); // horizontal resolution: not given
    out.u32(0); // vertical resolution: not given
    out.u32(0); // colours used: the whole table
    out.u32(0); // important colours: all

    std::vector<Rgba> palette;
    if (f.bit_count == 4) {
        palette = palette_16();
    } else if (f.bit_count == 8) {
        palette = palette_256();
    }
    for (const Rgba& c : palette) {
        out.u8(c.b);
        out.u8(c.g);
        out.u8(c.r);
        out.u8(0);
    }

    for (int y = f.size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(stride));
        for (int x = 0; x < f.size; ++x) {
            const Rgba& p = art.at(x, y);
            if (f.bit_count == 32) {
                const auto at = static_cast<std::size_t>(x * 4);
                row[at] = p.b;
                row[at + 1] = p.g;
                row[at + 2] = p.r;
                row[at + 3] = p.a;
                continue;
            }
            const auto index = opaque(p) ? nearest_index(palette, p) : 0;
            if (f.bit_count == 8) {
                row[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(index);
            } else {
                // Two pixels a byte, the left one in the high nibble.
                row[static_cast<std::size_t>(x / 2)] |=
                    static_cast<std::uint8_t>(index << (x % 2 == 0 ? 4 : 0));
            }
        }
        for (const std::uint8_t b : row) {
            out.u8(b);
        }
    }

    for (int y = f.size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(mask_stride));
        for (int x = 0; x < f.size; ++x) {
            // A set bit lets the background through.
            if (!opaque(art.at(x, y))) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        for (const std::uint8_t b : row) {
            out.u8(b);
        }
    }
}

} // namespace

std::vector<std::uint8_t> encode_program_icon() {
    std::map<int, Artwork> artwork;
    for (const ImageFormat& f : program_icon_formats) {
        if (!artwork.contains(f.size)) {
            artwork.emplace(f.size, draw_artwork(f.size));
        }
    }

    Writer out;
    constexpr int count = std::size(program_icon_formats);
    out.u16(0); // reserved
    out.u16(1); // resource type: icon
    out.u16(count);
    std::uint32_t offset = directory_header_size + directory_entry_size * count;
    for (const ImageFormat& f : program_icon_formats) {
        out.u8(f.size); // 256 would be written as 0; ours are all smaller
        out.u8(f.size);
        out.u8(static_cast<int>(palette_size(f.bit_count) < 256 ? palette_size(f.bit_count) : 0));
        out.u8(0);  // reserved
        out.u16(1); // planes
        out.u16(f.bit_count);
        out.u32(image_size(f));
        out.u32(offset);
        offset += image_size(f);
    }
    for (const ImageFormat& f : program_icon_formats) {
        write_image(out, f, artwork.at(f.size));
    }
    return out.take();
}

} // namespace resources::icon
