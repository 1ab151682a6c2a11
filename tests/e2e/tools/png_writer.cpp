#include "tools/png_writer.h"

#include <zlib.h>

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace e2e {
namespace {

using Bytes = std::vector<unsigned char>;

void put_u32(Bytes& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<unsigned char>(value >> shift));
    }
}

// A chunk: length, type, data, and the CRC of type and data.
void put_chunk(Bytes& out, const char (&type)[5], const Bytes& data) {
    put_u32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t type_at = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(0L, out.data() + type_at, static_cast<uInt>(out.size() - type_at));
    put_u32(out, static_cast<std::uint32_t>(crc));
}

Bytes deflated_rows(const Image& image) {
    Bytes raw;
    raw.reserve(static_cast<std::size_t>(image.height()) * (1 + 3 * image.width()));
    for (int y = 0; y < image.height(); ++y) {
        raw.push_back(0); // filter: none
        for (int x = 0; x < image.width(); ++x) {
            const Rgb pixel = image.at(x, y);
            raw.insert(raw.end(), {pixel.r, pixel.g, pixel.b});
        }
    }
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    Bytes packed(size);
    if (compress2(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size()),
                  Z_BEST_COMPRESSION) != Z_OK) {
        throw std::runtime_error("cannot compress the image");
    }
    packed.resize(size);
    return packed;
}

} // namespace

void write_png(const Image& image, const std::string& path) {
    Bytes file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    Bytes header;
    put_u32(header, static_cast<std::uint32_t>(image.width()));
    put_u32(header, static_cast<std::uint32_t>(image.height()));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8-bit RGB, deflate, no filter set, no interlace
    put_chunk(file, "IHDR", header);
    put_chunk(file, "IDAT", deflated_rows(image));
    put_chunk(file, "IEND", {});

    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

} // namespace e2e
