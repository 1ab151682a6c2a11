// UTF-8 decoding that never fails: each invalid sequence (a maximal invalid
// subpart, as Unicode recommends) becomes one U+FFFD and decoding goes on, so
// no byte string can stop, truncate or crash the text path.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace forms {

inline constexpr char32_t replacement_character = U'\uFFFD';

// Decodes the character that starts at `pos` and moves `pos` past it.
// Requires pos < bytes.size().
char32_t decode_next(std::string_view bytes, std::size_t& pos);

// The number of characters decode_next yields over the whole text.
std::size_t count_characters(std::string_view bytes);

std::u32string decode_utf8(std::string_view bytes);

} // namespace forms
