// The start-up order and the routing of events to handlers, on a backend
// without a display.
#include "forms/application.h"
#include "forms/arguments.h"
#include "forms/null/null_backend.h"
#include "ui/main_form.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Stand-ins for the program's exits that record instead of ending.
struct Ended : std::runtime_error {
    using std::runtime_error::runtime_error;
};
[[noreturn]] void record_end() {
    throw Ended("end");
}
[[noreturn]] void record_failure(std::string_view reason) {
    throw Ended(std::string(reason));
}

std::vector<std::string> seen_by_handlers;

void record_load(forms::FormRef form) {
    seen_by_handlers.push_back(std::string(form.name()) + " Load");
}
void record_click(forms::FormRef) {
    seen_by_handlers.push_back("btnOK Click");
}
void failing_load(forms::FormRef form) {
    form.control("dspMessage").set_text("x");
}

forms::ProjectDescription project_with(std::span<const forms::EventBinding> events) {
    return {MainForm::description,
            events,
            forms::Threading::SingleThreaded,
            {&record_end, &record_failure}};
}

TEST(Application, RunsLoadOnTheBuiltFormBeforeShowingIt) {
    const char* argv[] = {"brevon", "Backup", "finished"};
    forms::set_process_arguments(3, argv);
    const forms::EventBinding events[] = {{"MainForm", forms::Event::Load, &MainForm::Load}};
    const auto project = project_with(events);
    forms::null::NullBackend backend;
    forms::Application application(project, backend);
    application.start();

    const auto& calls = backend.last_form()->calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), "show");
    EXPECT_EQ(calls.front(), "set text dspMessage Backup finished");
    EXPECT_TRUE(backend.last_form()->control(0).visible);
    EXPECT_EQ(application.form().references(), 0);
}

TEST(Application, RoutesEachEventToTheHandlerBoundToItsObjectOnly) {
    seen_by_handlers.clear();
    const forms::EventBinding events[] = {{"MainForm", forms::Event::Load, &record_load},
                                          {"btnOK", forms::Event::Click, &record_click}};
    const auto project = project_with(events);
    forms::null::NullBackend backend;
    forms::Application application(project, backend);
    application.start();
    // A click on the label has no handler; a click on the button has.
    backend.last_form()->script({{0, forms::Event::Click}, {1, forms::Event::Click}});
    application.run();
    EXPECT_EQ(seen_by_handlers, (std::vector<std::string>{"MainForm Load", "btnOK Click"}));
}

TEST(Application, AnErrorFromAHandlerEndsThroughTheFatalPathNamingIt) {
    const forms::EventBinding events[] = {{"MainForm", forms::Event::Load, &failing_load}};
    const auto project = project_with(events);
    forms::null::NullBackend backend;
    backend.fail_on("set text");
    forms::Application application(project, backend);
    try {
        application.start();
        FAIL() << "start succeeded although Load failed";
    } catch (const Ended& ended) {
        EXPECT_STREQ(ended.what(), "dspMessage: set text failed (in MainForm Load)");
    }
    EXPECT_FALSE(backend.last_form()->shown());
    EXPECT_EQ(application.form().references(), 0);
}

TEST(Arguments, AreJoinedWithSingleSpacesAndOtherwiseUnchanged) {
    const char* none[] = {"brevon"};
    const char* some[] = {"brevon", " lead", "", "a\tb\n", "&amp;"};
    EXPECT_EQ(forms::join_arguments(1, none), "");
    EXPECT_EQ(forms::join_arguments(5, some), " lead  a\tb\n &amp;");
}

// The arguments laid out as the system lays them out for a new process:
// each string's NUL followed at once by the next string.
struct LaidOutArguments {
    std::string memory;
    std::vector<char*> argv;

    explicit LaidOutArguments(std::vector<std::string> items) {
        for (const std::string& item : items)
            memory += item + '\0';
        std::size_t at = 0;
        for (const std::string& item : items) {
            argv.push_back(memory.data() + at);
            at += item.size() + 1;
        }
    }
    int argc() const { return static_cast<int>(argv.size()); }
};

TEST(Arguments, AreJoinedWhereTheyLieLikeACopyWouldJoinThem) {
    const std::vector<std::vector<std::string>> cases{
        {"brevon"},
        {"brevon", ""},
        {"brevon", "Backup", "finished"},
        {"brevon", " lead", "", "a\tb\n", "&amp;", ""},
    };
    for (const auto& items : cases) {
        LaidOutArguments laid_out(items);
        std::vector<const char*> copy(laid_out.argv.begin(), laid_out.argv.end());
        const std::string expected = forms::join_arguments(laid_out.argc(), copy.data());
        const auto joined = forms::join_arguments_in_place(laid_out.argc(), laid_out.argv.data());
        ASSERT_TRUE(joined.has_value());
        EXPECT_EQ(*joined, expected);
        if (!joined->empty()) {
            EXPECT_EQ(joined->data(), laid_out.memory.data() + items[0].size() + 1) << "copied";
        }
    }
}

TEST(Arguments, ThatDoNotFollowOneAnotherAreNotJoinedInPlace) {
    // One buffer, the strings in the wrong order.
    char memory[] = "two\0brevon\0one";
    char* argv[] = {memory + 4, memory + 11, memory};
    EXPECT_FALSE(forms::join_arguments_in_place(3, argv).has_value());
    EXPECT_STREQ(argv[1], "one");
    EXPECT_STREQ(argv[2], "two");
}

} // namespace
