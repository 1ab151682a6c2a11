// Text that tries to break the program: invalid UTF-8, markup and format
// directives, control characters, scripts and marks that fonts find hard,
// and the longest texts a script can pass. Whatever the text, the window
// opens at its fixed size, paints, says nothing on stderr, and ends on
// Enter with status 0.
#include "brevon_test.h"

#include "expected_look.h"
#include "harness/limits.h"
#include "harness/xtest_input.h"

#include <X11/keysym.h>

#include <cstddef>
#include <string>
#include <vector>

namespace e2e {
namespace {

// The kernel's limit on one argument, its closing NUL included.
constexpr std::size_t argument_limit = 128 * 1024;

// One word of the given length that fills every byte.
std::string single_word(std::size_t length) {
    std::string word(length, 'w');
    for (std::size_t i = 0; i < length; i += 7)
        word[i] = static_cast<char>('a' + i % 26);
    return word;
}

// `total` bytes of ordinary words, in arguments of at most 64 KiB each.
std::vector<std::string> many_words(std::size_t total) {
    constexpr std::size_t argument_size = 64 * 1024;
    static const char* const words[] = {"backup", "of", "the",    "home", "folder", "finished",
                                        "with",   "no", "errors", "in",   "volume", "twelve"};
    std::vector<std::string> args;
    std::size_t size = 0;
    std::size_t next_word = 0;
    while (size < total) {
        std::string arg;
        while (arg.size() < argument_size && size + arg.size() < total) {
            if (!arg.empty())
                arg += ' ';
            arg += words[next_word++ % std::size(words)];
        }
        size += arg.size() + 1; // the space that joins it to the next one
        args.push_back(std::move(arg));
    }
    return args;
}

struct HostileText {
    const char* name;
    std::vector<std::string> args;
};

// Test output names the case rather than dumping its bytes.
void PrintTo(const HostileText& c, std::ostream* out) {
    *out << c.name;
}

const HostileText hostile_texts[] = {
    {"LoneContinuationBytes", {"\x80 start \xbf\xbf middle \x80\x81\x82"}},
    {"OverlongForms", {"slash \xc0\xaf \xe0\x80\xaf \xf0\x80\x80\xaf nul \xc0\x80"}},
    {"TruncatedSequences", {"euro \xe2\x82 face \xf0\x9f\x98", "end \xc3"}},
    {"SurrogatesInUtf8", {"pair \xed\xa0\xbd\xed\xb8\x80 lone \xed\xbf\xbf"}},
    {"BeyondUnicode", {"\xf4\x90\x80\x80 \xf5\x80\x80\x80 \xfe\xff"}},
    {"MarkupLike", {"<b>x</b> & y", "<script>alert(1)</script>", "&amp; &#0;"}},
    {"FormatDirectives", {"%s%n%x%p%99999999d %1$s %%"}},
    {"BackslashNAsTwoCharacters", {"first\\nsecond \\t \\0 \\"}},
    {"Tabs", {"\tcolumn one\tcolumn two\t\t"}},
    {"Newlines", {"one\ntwo\n\nfour\r\nfive\rsix\n"}},
    {"ControlCharacters", {"bell\x07 escape\x1b[31mred\x1b[0m back\x08 del\x7f \x01\x02\x1f"}},
    {"RightToLeft",
     {"\u05e9\u05dc\u05d5\u05dd \u05e2\u05d5\u05dc\u05dd",
      "\u0645\u0631\u062d\u0628\u0627 \u202e reversed \u202c"}},
    {"CombiningMarks",
     {"e\u0301\u0302\u0303\u0304 Z\u0336\u0337\u0338\u0335\u0334\u0333\u0332"
      "\u0331\u0330\u032f\u032e\u032d\u032c\u032b\u032a\u0329 a\u20dd"}},
    {"Emoji",
     {"\U0001F44D \u2705 \U0001F468\u200D\U0001F469\u200D\U0001F467 "
      "\U0001F3F3\uFE0F\u200D\U0001F308 \U0001F1E9\U0001F1EA"}},
    {"LongestSingleWord", {single_word(argument_limit - 1)}},
    {"NineHundredKilobytesOfWords", many_words(900 * 1000)},
};

class HostileTextArguments : public BrevonTestWithParam<HostileText> {};

TEST_P(HostileTextArguments, OpenAtTheFixedSizeAndEndOnEnter) {
    auto run = start({GetParam().args});
    const Rect area = run.area();
    EXPECT_EQ(area.width, layout_96.width);
    EXPECT_EQ(area.height, layout_96.height);
    // The pixels settle: the window painted the text and keeps running.
    EXPECT_GT(run.image().width(), 0);
    ASSERT_TRUE(run.process().running()) << run.process().stderr_text();

    give_focus(display().get(), run.window());
    tap_key(display().get(), XK_Return);

    const auto status = run.process().wait_for_exit(exit_limit);
    ASSERT_TRUE(status) << "Enter did not end the program";
    EXPECT_EQ(*status, (ExitStatus{true, 0}));
    EXPECT_EQ(run.process().stderr_text(), "");
}

INSTANTIATE_TEST_SUITE_P(Texts, HostileTextArguments, ::testing::ValuesIn(hostile_texts),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace e2e
