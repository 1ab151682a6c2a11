// Writes an 8-bit RGBA PNG image. The pixel data goes in uncompressed
// ("stored") deflate blocks: our icons are a few kilobytes, and this keeps
// the build free of an image or compression library.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace resources::icon {

// `argb`: rows top to bottom, pixels 0xAARRGGBB with straight alpha.
std::vector<std::uint8_t> encode_png(int width, int height, std::span<const std::uint32_t> argb);

} // namespace resources::icon
