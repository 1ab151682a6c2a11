// Writes an RGB image as a PNG file: 8-bit truecolour, no interlace, the
// pixel rows deflated with zlib.
#pragma once

#include "harness/image.h"

#include <string>

namespace e2e {

// Throws std::runtime_error when the file cannot be written.
void write_png(const Image& image, const std::string& path);

} // namespace e2e
