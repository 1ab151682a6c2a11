// MainForm's Load handler on a backend without a display: what it puts in
// the label, when it shows it, and what it leaves held when an operation
// fails.
#include "forms/application.h"
#include "forms/arguments.h"
#include "forms/error.h"
#include "forms/null/null_backend.h"
#include "ui/main_form.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr std::size_t dspMessage = 0;

struct Started {
    std::vector<const char*> argv; // the process arguments point into it
    forms::null::NullBackend backend;
    std::unique_ptr<forms::FormPeer> peer;
    std::unique_ptr<forms::FormCore> core;

    explicit Started(std::vector<const char*> arguments, std::string failing = {})
        : argv(std::move(arguments)) {
        forms::set_process_arguments(static_cast<int>(argv.size()), argv.data());
        backend.fail_on(std::move(failing));
        peer = backend.create_form(MainForm::description);
        core = std::make_unique<forms::FormCore>(MainForm::description, *peer);
    }
    forms::null::NullFormPeer& form() { return *backend.last_form(); }
};

struct LoadCase {
    const char* what;
    std::vector<const char*> argv;
    std::string label_text;
    bool label_visible;
};

// Names a case by what it shows, so test names stay short and stable.
void PrintTo(const LoadCase& c, std::ostream* out) {
    *out << c.what;
}

class MainFormLoad : public testing::TestWithParam<LoadCase> {};

TEST_P(MainFormLoad, PutsTheArgumentTextInTheLabelAndShowsItOnlyWhenNotEmpty) {
    const LoadCase& c = GetParam();
    Started started(c.argv);
    MainForm::Load(forms::FormRef(*started.core));
    EXPECT_EQ(started.form().control(dspMessage).text, c.label_text);
    EXPECT_EQ(started.form().control(dspMessage).visible, c.label_visible);
    EXPECT_EQ(started.core->references(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MainFormLoad,
    testing::Values(
        LoadCase{"no_argument", {"brevon"}, "", false},
        LoadCase{"one_empty_argument", {"brevon", ""}, "", false},
        LoadCase{"two_words", {"brevon", "Backup", "finished"}, "Backup finished", true},
        LoadCase{"blanks_only", {"brevon", "   "}, "   ", true},
        LoadCase{
            "quotes_and_runs_of_spaces_kept", {"brevon", "\"a  b\"", "", "c"}, "\"a  b\"  c", true},
        LoadCase{"invalid_utf8_kept_as_bytes", {"brevon", "\xff\xc0"}, "\xff\xc0", true}),
    [](const auto& info) { return std::string(info.param.what); });

// Load decides on what the label holds after it was set, and sets the
// visibility even when it hides an already hidden label.
TEST(MainFormLoadOrder, ReadsTheLabelBackAndAlwaysSetsItsVisibility) {
    Started started({"brevon"});
    MainForm::Load(forms::FormRef(*started.core));
    const std::vector<std::string> expected{"set text dspMessage", "get text dspMessage",
                                            "set visibility dspMessage false"};
    EXPECT_EQ(started.form().calls(), expected);
}

TEST(MainFormLoadFailure, NamesTheLabelAndTheOperationAndHoldsNothing) {
    for (const std::string operation : {"set text", "get text", "set visibility"}) {
        SCOPED_TRACE(operation);
        Started started({"brevon", "hello"}, operation);
        try {
            MainForm::Load(forms::FormRef(*started.core));
            ADD_FAILURE() << "Load succeeded although " << operation << " failed";
        } catch (const forms::Error& error) {
            EXPECT_EQ(error.object(), "dspMessage");
            EXPECT_EQ(error.operation(), operation);
            EXPECT_EQ(std::string(error.what()), "dspMessage: " + operation + " failed");
        }
        EXPECT_EQ(started.core->references(), 0);
    }
}

} // namespace
