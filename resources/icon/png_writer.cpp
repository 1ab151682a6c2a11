// PNG: the signature, then IHDR, IDAT and IEND chunks, each with a CRC-32;
// IDAT holds a zlib stream of stored blocks (at most 65535 bytes each) ending
// with the Adler-32 of the filtered rows (filter type 0 on every row).
#include "png_writer.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace resources::icon {
namespace {

std::uint32_t crc32(std::span<const std::uint8_t> bytes) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) != 0 ? 0xedb88320u ^ (c >> 1) : c >> 1;
            }
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xffffffffu;
    for (const std::uint8_t b : bytes) {
        c = table[(c ^ b) & 0xff] ^ (c >> 8);
    }
    return c ^ 0xffffffffu;
}

std::uint32_t adler32(std::span<const std::uint8_t> bytes) {
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const std::uint8_t byte : bytes) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void put_u32_be(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(v >> shift));
    }
}

void put_chunk(std::vector<std::uint8_t>& out, std::string_view type,
               std::span<const std::uint8_t> data) {
    put_u32_be(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t crc_from = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    put_u32_be(out, crc32(std::span(out).subspan(crc_from)));
}

std::vector<std::uint8_t> zlib_stored(std::span<const std::uint8_t> raw) {
    std::vector<std::uint8_t> z{0x78, 0x01}; // deflate, 32K window, no preset dictionary
    constexpr std::size_t max_block = 65535;
    std::size_t at = 0;
    do {
        const std::size_t n = std::min(max_block, raw.size() - at);
        const bool last = at + n == raw.size();
        z.push_back(last ? 1 : 0); // BFINAL, BTYPE 00 (stored)
        z.push_back(static_cast<std::uint8_t>(n & 0xff));
        z.push_back(static_cast<std::uint8_t>(n >> 8));
        z.push_back(static_cast<std::uint8_t>(~n & 0xff));
        z.push_back(static_cast<std::uint8_t>((~n >> 8) & 0xff));
        z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                 raw.begin() + static_cast<std::ptrdiff_t>(at + n));
        at += n;
    } while (at < raw.size());
    put_u32_be(z, adler32(raw));
    return z;
}

} // namespace

std::vector<std::uint8_t> encode_png(int width, int height, std::span<const std::uint32_t> argb) {
    std::vector<std::uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

    std::vector<std::uint8_t> header;
    put_u32_be(header, static_cast<std::uint32_t>(width));
    put_u32_be(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8 bits, RGBA, deflate, filter 0, no interlace
    put_chunk(out, "IHDR", header);

    std::vector<std::uint8_t> rows;
    for (int y = 0; y < height; ++y) {
        rows.push_back(0); // filter: none
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = argb[static_cast<std::size_t>(y * width + x)];
            rows.insert(rows.end(),
                        {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                         static_cast<std::uint8_t>(p), static_cast<std::uint8_t>(p >> 24)});
        }
    }
    put_chunk(out, "IDAT", zlib_stored(rows));
    put_chunk(out, "IEND", {});
    return out;
}

} // namespace resources::icon
