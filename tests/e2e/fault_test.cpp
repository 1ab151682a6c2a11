// Faults from outside the program while its window waits: another client
// destroys the window or frees what it draws with, and the connection is
// cut just before the program writes to it (which raises SIGPIPE unless it
// is ignored). Each must end the program with one "brevon: " line on stderr
// and a failure status: never a hang, never death by a signal (so no core
// dump), never a sanitizer report. The server stopping and the client being
// killed are in connection_lost_test.cpp. Also: fifty copies at once all
// show and all end on Enter.
#include "brevon_test.h"

#include "display_proxy.h"
#include "harness/limits.h"
#include "harness/window_lookup.h"
#include "harness/xtest_input.h"

#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace e2e {
namespace {

// The status a sanitized build ends with when it reports an error or a leak
// (scripts/test-sanitized.sh sets it); it must never pass for a failure that
// the program reported itself.
constexpr int sanitizer_status = 23;

bool answers_geometry(Display* x, XID id) {
    ErrorTrap trap(x);
    Window root = 0;
    int px = 0;
    int py = 0;
    unsigned width = 0;
    unsigned height = 0;
    unsigned border = 0;
    unsigned depth = 0;
    const bool answered = XGetGeometry(x, id, &root, &px, &py, &width, &height, &border, &depth);
    return !trap.caught() && answered;
}

bool is_window(Display* x, XID id) {
    ErrorTrap trap(x);
    XWindowAttributes attributes{};
    const bool answered = XGetWindowAttributes(x, id, &attributes);
    return !trap.caught() && answered;
}

// The pixmaps of the client that owns `window`: its resource ids share the
// window's base, and of those a pixmap is a drawable that is no window.
std::vector<Pixmap> pixmaps_of_owner(Display* x, Window window) {
    constexpr XID client_id_mask = 0x1FFFFF;
    const XID base = window & ~client_id_mask;
    std::vector<Pixmap> pixmaps;
    for (XID id = base + 1; id < base + 512; ++id) {
        if (answers_geometry(x, id) && !is_window(x, id))
            pixmaps.push_back(id);
    }
    return pixmaps;
}

// Asks the server to send the window an Expose, which the program answers
// by drawing.
void expose(Display* x, Window window) {
    XClearArea(x, window, 0, 0, 0, 0, True);
    XFlush(x);
}

struct Fault {
    const char* name;
    bool through_proxy; // the program reaches the server through a DisplayProxy
    std::function<void(Display*, Window, DisplayProxy*)> cause;
};

// Test output names the case rather than dumping its bytes.
void PrintTo(const Fault& c, std::ostream* out) {
    *out << c.name;
}

const Fault faults[] = {
    {"WindowDestroyedByAnotherClient", false,
     [](Display* x, Window window, DisplayProxy*) {
         XDestroyWindow(x, window);
         XSync(x, False);
     }},
    // The next paint uses a freed pixmap: an X protocol error in the middle
    // of the program's own requests.
    {"DrawingPixmapFreedByAnotherClient", false,
     [](Display* x, Window window, DisplayProxy*) {
         const auto pixmaps = pixmaps_of_owner(x, window);
         ASSERT_FALSE(pixmaps.empty()) << "the program draws through no pixmap";
         for (Pixmap pixmap : pixmaps)
             XFreePixmap(x, pixmap);
         expose(x, window);
     }},
    // The Expose reaches the program, but its connection no longer takes
    // writes: the copy it sends in answer goes to a socket with no reader.
    {"ConnectionClosedBeforeItWrites", true,
     [](Display* x, Window window, DisplayProxy* proxy) {
         proxy->cut_after_next_message();
         expose(x, window);
     }},
};

class Faults : public ::testing::TestWithParam<Fault> {};

TEST_P(Faults, EndWithOneLineAndAFailureStatus) {
    const Fault& fault = GetParam();
    // A server of its own, as the fault may leave it in any state.
    TestDisplay screen(ScreenConfig{});
    std::unique_ptr<DisplayProxy> proxy;
    if (fault.through_proxy)
        proxy = std::make_unique<DisplayProxy>(screen.name());
    ProgramWindow run(screen.x(), proxy ? proxy->display_name() : screen.name(),
                      BrevonTest::binary(), {"Backup finished"});
    run.image();

    fault.cause(screen.get(), run.window(), proxy.get());
    if (proxy) {
        // The program must still be waiting; give the proxy time to cut.
        const auto deadline = std::chrono::steady_clock::now() + exit_limit;
        while (!proxy->cut() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(poll_interval);
        ASSERT_TRUE(proxy->cut()) << "the server sent nothing to the program";
    }

    const auto status = run.process().wait_for_exit(exit_limit);
    ASSERT_TRUE(status) << "the program kept running";
    EXPECT_TRUE(status->exited) << "ended by a signal: " << *status;
    EXPECT_NE(status->code, 0);
    EXPECT_NE(status->code, sanitizer_status) << "a sanitizer reported an error";
    const std::string& err = run.process().stderr_text();
    EXPECT_TRUE(err.starts_with("brevon: ")) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
}

INSTANTIATE_TEST_SUITE_P(Outside, Faults, ::testing::ValuesIn(faults),
                         [](const auto& info) { return std::string(info.param.name); });

// Fifty copies started together on one server: each maps its own window,
// and each ends with status 0 when Enter is pressed in it. The limit only
// keeps a hang from stalling the run; it times nothing.
TEST(ManyCopies, FiftyAtOnceAllShowAndEndOnEnter) {
    constexpr int copies = 50;
    constexpr std::chrono::milliseconds crowd_limit = std::chrono::seconds(120);
    TestDisplay screen(ScreenConfig{});
    Display* x = screen.get();

    std::vector<ChildProcess> runs;
    runs.reserve(copies);
    for (int i = 0; i < copies; ++i)
        runs.emplace_back(
            Launch{BrevonTest::binary(), {"Copy", std::to_string(i + 1)}, screen.name()});

    std::vector<Window> windows;
    for (ChildProcess& run : runs) {
        const auto window = wait_for_window([&] { return find_window_by_pid(x, run.pid()); },
                                            [&] { return run.running(); }, crowd_limit);
        ASSERT_TRUE(window) << "copy " << run.pid() << " showed no window: " << run.stderr_text();
        ASSERT_TRUE(wait_until_viewable(x, *window, crowd_limit));
        windows.push_back(*window);
    }
    EXPECT_EQ(std::set<Window>(windows.begin(), windows.end()).size(), std::size_t{copies});

    for (int i = 0; i < copies; ++i) {
        give_focus(x, windows[i]);
        tap_key(x, XK_Return);
        const auto status = runs[i].wait_for_exit(crowd_limit);
        ASSERT_TRUE(status) << "copy " << i + 1 << " did not end on Enter";
        EXPECT_EQ(*status, (ExitStatus{true, 0})) << "copy " << i + 1;
        EXPECT_EQ(runs[i].stderr_text(), "") << "copy " << i + 1;
    }
}

} // namespace
} // namespace e2e
