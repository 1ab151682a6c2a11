// Reads an icon file (the format that holds several bitmap images of one
// icon) and returns its 32-bit images as ARGB pixels, ready for a window
// system's icon property.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace forms {

struct IconImage {
    int width = 0;
    int height = 0;
    // Rows top to bottom; each pixel 0xAARRGGBB with straight alpha.
    std::vector<std::uint32_t> argb;

    bool operator==(const IconImage&) const = default;
};

// The file's uncompressed 32-bit images, in the file's order. Images of other
// depths are skipped. Any inconsistency (a short file, an entry pointing
// outside it, a header that disagrees with its entry) makes the whole file
// unreadable: the result is then empty.
std::vector<IconImage> decode_argb_icon_images(std::span<const std::uint8_t> file);

} // namespace forms
