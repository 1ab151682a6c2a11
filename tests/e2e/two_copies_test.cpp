// Two copies running at once each have their own window and end on their
// own: ending one leaves the other waiting.
#include "brevon_test.h"

#include "harness/limits.h"
#include "harness/xtest_input.h"

#include <X11/keysym.h>

#include <functional>
#include <thread>

namespace e2e {
namespace {

struct Ending {
    const char* name;
    std::function<void(Display*, Window)> perform;
};

// Test output names the case rather than dumping its bytes.
void PrintTo(const Ending& c, std::ostream* out) {
    *out << c.name;
}

class TwoCopies : public BrevonTestWithParam<Ending> {};

TEST_P(TwoCopies, EndIndependently) {
    auto first = start({"First copy"});
    auto second = start({"Second copy"});
    ASSERT_NE(first.window(), second.window());
    Display* x = display().get();
    first.image();
    second.image();

    GetParam().perform(x, first.window());
    const auto first_status = first.process().wait_for_exit(exit_limit);
    ASSERT_TRUE(first_status) << "the first copy did not end";
    EXPECT_EQ(*first_status, (ExitStatus{true, 0}));

    std::this_thread::sleep_for(settle_time);
    ASSERT_TRUE(second.process().running()) << "the second copy ended with the first";
    EXPECT_TRUE(second.image().width() > 0) << "the second window is still on screen";

    GetParam().perform(x, second.window());
    const auto second_status = second.process().wait_for_exit(exit_limit);
    ASSERT_TRUE(second_status) << "the second copy did not end";
    EXPECT_EQ(*second_status, (ExitStatus{true, 0}));
}

const Ending endings[] = {
    {"Enter",
     [](Display* x, Window window) {
         give_focus(x, window);
         tap_key(x, XK_Return);
     }},
    {"CloseRequest", [](Display* x, Window window) { send_delete_window(x, window); }},
};

INSTANTIATE_TEST_SUITE_P(Endings, TwoCopies, ::testing::ValuesIn(endings),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace e2e
