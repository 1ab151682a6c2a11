// How the words on the command line become the message: joined with single
// spaces and otherwise shown exactly as given. Judged by comparing the
// label's pixels for two ways of giving a text.
#include "brevon_test.h"

#include "expected_look.h"

namespace e2e {
namespace {

constexpr Layout layout = layout_96;

Image label_pixels(const std::vector<std::string>& args) {
    auto run = BrevonTest::start(args);
    return run.image().crop(layout.label);
}

struct TextPair {
    const char* name;
    std::vector<std::string> first;
    std::vector<std::string> second;
    bool look_alike;
};

// Test output names the case rather than dumping its bytes.
void PrintTo(const TextPair& c, std::ostream* out) {
    *out << c.name;
}

const TextPair text_pairs[] = {
    {"WordsAreJoinedWithOneSpace", {"Backup", "finished"}, {"Backup finished"}, true},
    {"RunsOfSpacesAreKept", {"Backup  finished"}, {"Backup finished"}, false},
    {"LeadingBlankIsKept", {"", "Backup"}, {"Backup"}, false},
    {"QuotesAreShown", {"\"Backup\""}, {"Backup"}, false},
    // An invalid byte shows as U+FFFD and the text after it still shows.
    {"InvalidByteShowsAsReplacement",
     {"Backup \xff finished"},
     {"Backup \xEF\xBF\xBD finished"},
     true},
    {"Utf8IsDecoded", {"Caf\xC3\xA9"}, {"Cafe"}, false},
};

class TextArguments : public BrevonTestWithParam<TextPair> {};

TEST_P(TextArguments, ShowTheJoinedTextUnchanged) {
    const TextPair& pair = GetParam();
    const Image first = label_pixels(pair.first);
    const Image second = label_pixels(pair.second);

    if (pair.look_alike) {
        EXPECT_TRUE(first == second) << "the two texts should look the same";
    } else {
        EXPECT_FALSE(first == second) << "the two texts should look different";
    }
}

INSTANTIATE_TEST_SUITE_P(Pairs, TextArguments, ::testing::ValuesIn(text_pairs),
                         [](const auto& info) { return std::string(info.param.name); });

class Ampersand : public BrevonTest {};

// "&" is a character like any other, not the mark of an access key: it takes
// room of its own in the line.
TEST_F(Ampersand, TakesItsOwnPlaceInTheText) {
    const Image with = label_pixels({"Save&Exit"});
    const Image without = label_pixels({"SaveExit"});

    const auto ink_with = bounding_box(with, with.bounds().inset(1), is_dark());
    const auto ink_without = bounding_box(without, without.bounds().inset(1), is_dark());
    ASSERT_TRUE(ink_with && ink_without);
    EXPECT_GE(ink_with->width, ink_without->width + 5);
}

} // namespace
} // namespace e2e
