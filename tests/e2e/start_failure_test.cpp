// Without a display to show the window on, the program says so in one line
// on stderr and ends with a failure status instead of waiting.
#include "brevon_test.h"

#include "harness/child_process.h"
#include "harness/limits.h"

#include <algorithm>
#include <filesystem>
#include <optional>

namespace e2e {
namespace {

// A display number that no server answers on this machine.
std::string unused_display() {
    for (int number = 999; number > 100; --number) {
        const std::string n = std::to_string(number);
        if (!std::filesystem::exists("/tmp/.X11-unix/X" + n) &&
            !std::filesystem::exists("/tmp/.X" + n + "-lock")) {
            return ":" + n;
        }
    }
    return ":999";
}

struct FailureCase {
    const char* name;
    std::optional<std::string> display;
};

// Test output names the case rather than dumping its bytes.
void PrintTo(const FailureCase& c, std::ostream* out) {
    *out << c.name;
}

class StartFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(StartFailure, ReportsOneLineAndFails) {
    ChildProcess brevon({BrevonTest::binary(), {"Backup finished"}, GetParam().display});

    const auto status = brevon.wait_for_exit(exit_limit);
    ASSERT_TRUE(status) << "the program waited instead of failing";
    EXPECT_TRUE(status->failure()) << *status;

    const std::string& err = brevon.stderr_text();
    EXPECT_TRUE(err.starts_with("brevon: ")) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_TRUE(err.ends_with("\n")) << err;
    EXPECT_GT(err.size(), std::string("brevon: \n").size()) << "the line says what went wrong";
    EXPECT_EQ(brevon.stdout_text(), "");
}

INSTANTIATE_TEST_SUITE_P(Displays, StartFailure,
                         ::testing::Values(FailureCase{"DisplayUnset", std::nullopt},
                                           FailureCase{"NoServerOnDisplay", unused_display()},
                                           FailureCase{"MalformedDisplayName", "no-such-display"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace e2e
