// When the display goes away under a running window (the server stops, or
// the client is killed as a window manager's "kill" does), the program says
// so in one line on stderr and ends with a failure status.
#include "brevon_test.h"

#include "harness/limits.h"

#include <algorithm>
#include <functional>

namespace e2e {
namespace {

struct Loss {
    const char* name;
    std::function<void(TestDisplay&, Window)> cause;
};

// Test output names the case rather than dumping its bytes.
void PrintTo(const Loss& c, std::ostream* out) {
    *out << c.name;
}

class ConnectionLost : public ::testing::TestWithParam<Loss> {};

TEST_P(ConnectionLost, ReportsOneLineAndFails) {
    // A server of its own, since the test may take it away.
    TestDisplay screen(ScreenConfig{});
    ProgramWindow run(screen.x(), screen.name(), BrevonTest::binary(), {"Backup finished"});
    run.image();

    GetParam().cause(screen, run.window());

    const auto status = run.process().wait_for_exit(exit_limit);
    ASSERT_TRUE(status) << "the program kept running without its display";
    EXPECT_TRUE(status->failure()) << *status;
    const std::string& err = run.process().stderr_text();
    EXPECT_TRUE(err.starts_with("brevon: ")) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
}

const Loss losses[] = {
    {"ServerStops", [](TestDisplay& screen, Window) { screen.kill_server(); }},
    {"ClientKilled",
     [](TestDisplay& screen, Window window) {
         XKillClient(screen.get(), window);
         XSync(screen.get(), False);
     }},
};

INSTANTIATE_TEST_SUITE_P(Losses, ConnectionLost, ::testing::ValuesIn(losses),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace e2e
