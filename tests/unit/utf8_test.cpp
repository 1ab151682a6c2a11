// UTF-8 decoding: valid boundaries, every kind of invalid sequence becoming
// one U+FFFD per maximal invalid subpart, and that a valid character after
// garbage is never lost.
#include "forms/text/utf8.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace {

using forms::count_characters;
using forms::decode_next;
using forms::decode_utf8;

constexpr char32_t R = forms::replacement_character;

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::u32string expected;
};

const std::vector<DecodeCase> decode_cases = {
    {"empty", "", U""},
    {"ascii", "Backup finished", U"Backup finished"},
    {"nul byte is a character", std::string("a\0b", 3), std::u32string(U"a\0b", 3)},
    {"two byte bounds", "\xC2\x80\xDF\xBF", U"\u0080\u07FF"},
    {"three byte bounds", "\xE0\xA0\x80\xEF\xBF\xBF", U"\u0800\uFFFF"},
    {"around the surrogates", "\xED\x9F\xBF\xEE\x80\x80", U"\uD7FF\uE000"},
    {"four byte bounds", "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", U"\U00010000\U0010FFFF"},
    {"mixed scripts", "Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC \xF0\x9F\x98\x80", U"Grüß € 😀"},

    {"lone continuation bytes",
     "a\x80\xBF"
     "b",
     {U'a', R, R, U'b'}},
    {"continuation bytes after a complete character", "\xC3\xA9\xA9", {U'é', R}},
    {"C0 and C1 are always overlong", "\xC0\xAF\xC1\xBF", {R, R, R, R}},
    {"overlong three byte form", "\xE0\x80\xAF", {R, R, R}},
    {"overlong three byte form, top of range", "\xE0\x9F\xBF", {R, R, R}},
    {"overlong four byte form", "\xF0\x80\x80\xAF", {R, R, R, R}},
    {"overlong four byte form, top of range", "\xF0\x8F\xBF\xBF", {R, R, R, R}},
    {"high surrogate", "\xED\xA0\x80", {R, R, R}},
    {"low surrogate", "\xED\xBF\xBF", {R, R, R}},
    {"surrogate pair", "\xED\xA0\xBD\xED\xB8\x80", {R, R, R, R, R, R}},
    {"just beyond U+10FFFF", "\xF4\x90\x80\x80", {R, R, R, R}},
    {"lead bytes F5 to FF", "\xF5\x80\xF8\xFE\xFF", {R, R, R, R, R}},

    {"two byte cut by the end", "a\xC3", {U'a', R}},
    {"three byte cut by the end", "a\xE2\x82", {U'a', R}},
    {"four byte cut by the end after one", "a\xF0\x9F", {U'a', R}},
    {"four byte cut by the end after two", "a\xF0\x9F\x98", {U'a', R}},
    {"cut by an ascii byte",
     "\xE2\x82"
     "a",
     {R, U'a'}},
    {"cut by a new lead byte", "\xE2\xC3\xA9", {R, U'é'}},
    {"cut by an invalid second byte",
     "\xF0\x80"
     "a",
     {R, R, U'a'}},
    {"each broken off sequence is one replacement",
     "\xF1\x80\x80\xE1\x80\xC2"
     "b",
     {R, R, R, U'b'}},

    // The worked examples that the Unicode standard gives for its
    // recommended practice.
    {"standard example, truncated sequences",
     "\x61\xF1\x80\x80\xE1\x80\xC2\x62\x80\x63\x80\xBF\x64",
     {U'a', R, R, R, U'b', R, U'c', R, R, U'd'}},
    {"standard example, non-shortest forms",
     "\xC0\xAF\xE0\x80\xBF\xF0\x81\x82\x41",
     {R, R, R, R, R, R, R, R, U'A'}},
    {"standard example, ill-formed sequences for surrogates",
     "\xED\xA0\x80\xED\xBF\xBF\xED\xAF\x41",
     {R, R, R, R, R, R, R, R, U'A'}},
    {"standard example, other ill-formed sequences",
     "\xF4\x91\x92\x93\xFF\x41\x80\xBF\x42",
     {R, R, R, R, R, U'A', R, R, U'B'}},
    {"standard example, truncated sequences after valid ones",
     "\xE1\x80\xE2\xF0\x91\x92\xF1\xBF\x41",
     {R, R, R, R, U'A'}},
};

void PrintTo(const DecodeCase& c, std::ostream* os) {
    *os << c.name;
}

class DecodeTable : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTable, DecodesAsExpected) {
    const DecodeCase& c = GetParam();
    EXPECT_EQ(decode_utf8(c.bytes), c.expected);
    EXPECT_EQ(count_characters(c.bytes), c.expected.size());
}

TEST_P(DecodeTable, DecodeNextStepsThroughTheSameCharacters) {
    const DecodeCase& c = GetParam();
    std::u32string stepped;
    std::size_t pos = 0;
    while (pos < c.bytes.size()) {
        const std::size_t before = pos;
        stepped.push_back(decode_next(c.bytes, pos));
        ASSERT_GT(pos, before);
        ASSERT_LE(pos - before, 4u);
        ASSERT_LE(pos, c.bytes.size());
    }
    EXPECT_EQ(stepped, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Utf8, DecodeTable, testing::ValuesIn(decode_cases),
                         [](const testing::TestParamInfo<DecodeCase>& info) {
                             std::string name;
                             for (const char ch : std::string(info.param.name))
                                 name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return name;
                         });

std::string encode(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
    return out;
}

TEST(Utf8, EveryScalarValueDecodesToItself) {
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        const std::string bytes = encode(c);
        std::size_t pos = 0;
        ASSERT_EQ(decode_next(bytes, pos), c) << std::hex << "U+" << std::uint32_t(c);
        ASSERT_EQ(pos, bytes.size()) << std::hex << "U+" << std::uint32_t(c);
    }
}

// Whatever two bytes come first, the ASCII letter after them survives:
// decoding never runs past the byte that breaks a sequence off.
TEST(Utf8, NoPairOfBytesSwallowsTheCharacterAfterIt) {
    for (int first = 0; first < 256; ++first) {
        for (int second = 0; second < 256; ++second) {
            const std::string bytes = {char(first), char(second), 'A'};
            const std::u32string text = decode_utf8(bytes);
            ASSERT_FALSE(text.empty());
            ASSERT_EQ(text.back(), U'A') << std::hex << first << " " << second;
            ASSERT_EQ(count_characters(bytes), text.size()) << std::hex << first << " " << second;
        }
    }
}

// count_characters skips ASCII in blocks; a multi-byte or invalid character
// at any offset, in texts of any length around the block size, must count
// the same as stepping one character at a time.
TEST(Utf8, CountMatchesDecodingWhereverTheNonAsciiCharacterSits) {
    const std::vector<std::string> inserts = {"\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80",
                                              "\x80",     "\xE2\x82",     "\xFF"};
    for (const std::string& insert : inserts) {
        for (std::size_t length = 0; length <= 40; ++length) {
            for (std::size_t at = 0; at <= length; ++at) {
                std::string bytes(length, 'x');
                bytes.insert(at, insert);
                std::size_t stepped = 0;
                for (std::size_t pos = 0; pos < bytes.size(); ++stepped)
                    decode_next(bytes, pos);
                ASSERT_EQ(count_characters(bytes), stepped) << length << " " << at;
                ASSERT_EQ(decode_utf8(bytes).size(), stepped) << length << " " << at;
            }
        }
    }
}

TEST(Utf8, CountsAMegabyteOfMixedText) {
    std::string bytes;
    std::size_t expected = 0;
    while (bytes.size() < (1u << 20)) {
        // "Backup finished ", check mark, blank, emoji, stray FF, cut-off E2 82.
        bytes += "Backup finished \xE2\x9C\x93 \xF0\x9F\x98\x80\xFF\xE2\x82";
        expected += 16 + 1 + 1 + 1 + 1 + 1;
    }
    EXPECT_EQ(count_characters(bytes), expected);
    EXPECT_EQ(decode_utf8(bytes).size(), expected);
}

} // namespace
