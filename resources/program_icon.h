// The program icon file (eight images: 32, 16 px at 4 bits; 48, 32, 16 px at
// 8 bits; 48, 32, 16 px at 32 bits with alpha), embedded in the executable at
// build time from resources/brevon.ico.
#pragma once

#include <cstdint>
#include <span>

namespace resources {

std::span<const std::uint8_t> program_icon_file();

} // namespace resources
