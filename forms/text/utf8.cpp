// UTF-8 decoding after the well-formed byte sequences of the Unicode standard
// (its table of lead bytes and the range allowed for the second byte). A
// sequence that breaks off becomes one U+FFFD covering exactly the bytes read
// so far, and decoding resumes at the byte that broke it off, so a valid
// character after garbage is never swallowed.
#include "forms/text/utf8.h"

#include <cstdint>
#include <cstring>

namespace forms {

namespace {

struct LeadByte {
    int continuation_bytes; // how many bytes follow; -1 for a byte that cannot lead
    unsigned char second_low;
    unsigned char second_high;
};

// The allowed range of the second byte is what excludes overlong forms
// (E0 80..9F, F0 80..8F), UTF-16 surrogates (ED A0..BF) and code points
// beyond U+10FFFF (F4 90..BF); every later byte is plain 80..BF.
constexpr LeadByte lead_byte(unsigned char b) {
    if (b >= 0xC2 && b <= 0xDF)
        return {1, 0x80, 0xBF};
    if (b == 0xE0)
        return {2, 0xA0, 0xBF};
    if (b == 0xED)
        return {2, 0x80, 0x9F};
    if (b >= 0xE1 && b <= 0xEF)
        return {2, 0x80, 0xBF};
    if (b == 0xF0)
        return {3, 0x90, 0xBF};
    if (b == 0xF4)
        return {3, 0x80, 0x8F};
    if (b >= 0xF1 && b <= 0xF3)
        return {3, 0x80, 0xBF};
    // 80..BF (a continuation byte on its own), C0 and C1 (always overlong)
    // and F5..FF (beyond U+10FFFF, or not UTF-8 at all).
    return {-1, 0, 0};
}

constexpr bool is_continuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

} // namespace

char32_t decode_next(std::string_view bytes, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(bytes[pos]);
    ++pos;
    if (lead < 0x80)
        return lead;

    const LeadByte shape = lead_byte(lead);
    if (shape.continuation_bytes < 0)
        return replacement_character;

    // The payload bits of the lead byte: 5, 4 or 3 of them.
    char32_t code = lead & (0x3F >> shape.continuation_bytes);
    for (int i = 0; i < shape.continuation_bytes; ++i) {
        if (pos >= bytes.size())
            return replacement_character; // cut off by the end of the text
        const auto b = static_cast<unsigned char>(bytes[pos]);
        const bool allowed =
            i == 0 ? b >= shape.second_low && b <= shape.second_high : is_continuation(b);
        if (!allowed)
            return replacement_character; // `b` starts the next character
        code = (code << 6) | (b & 0x3F);
        ++pos;
    }
    return code;
}

std::size_t count_characters(std::string_view bytes) {
    std::size_t count = 0;
    std::size_t pos = 0;
    const std::size_t size = bytes.size();
    while (pos < size) {
        // Most texts are mostly ASCII: skip such bytes 32, then 8 at a time.
        while (size - pos >= 32) {
            std::uint64_t chunk[4];
            std::memcpy(chunk, bytes.data() + pos, sizeof chunk);
            if (((chunk[0] | chunk[1] | chunk[2] | chunk[3]) & 0x8080808080808080ULL) != 0)
                break;
            pos += 32;
            count += 32;
        }
        while (size - pos >= 8) {
            std::uint64_t chunk;
            std::memcpy(&chunk, bytes.data() + pos, sizeof chunk);
            if ((chunk & 0x8080808080808080ULL) != 0)
                break;
            pos += 8;
            count += 8;
        }
        if (pos >= size)
            break;
        decode_next(bytes, pos);
        ++count;
    }
    return count;
}

std::u32string decode_utf8(std::string_view bytes) {
    std::u32string text;
    text.reserve(count_characters(bytes));
    std::size_t pos = 0;
    while (pos < bytes.size())
        text.push_back(decode_next(bytes, pos));
    return text;
}

} // namespace forms
