// Reading the committed icon file and little-endian values in it, for the
// identity tests.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <vector>

namespace identity_test {

inline std::vector<std::uint8_t> read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::uint32_t u16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8));
}

inline std::uint32_t u32(std::span<const std::uint8_t> b, std::size_t at) {
    return u16(b, at) | (u16(b, at + 2) << 16);
}

} // namespace identity_test
