// Encodes the artwork as one icon file: a directory followed by bitmap
// images, each with its header, colour table (4 and 8 bits), colour (XOR)
// image and transparency (AND) mask.
#pragma once

#include <cstdint>
#include <vector>

namespace resources::icon {

struct ImageFormat {
    int size;
    int bit_count; // 4, 8 or 32
};

// The program icon's eight images, in the order they are stored.
inline constexpr ImageFormat program_icon_formats[] = {
    {32, 4}, {16, 4}, {48, 8}, {32, 8}, {16, 8}, {48, 32}, {32, 32}, {16, 32},
};

// A pixel is opaque in the AND mask (and in the 4- and 8-bit images) when its
// alpha is at least this.
inline constexpr int mask_alpha_threshold = 128;

std::vector<std::uint8_t> encode_program_icon();

} // namespace resources::icon
