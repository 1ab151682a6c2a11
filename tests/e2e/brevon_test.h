// The base of the end-to-end tests: each test suite shares its private X
// servers (one per screen layout, started on first use, stopped when the
// suite ends) and starts the real brevon binary on them.
#pragma once

// GoogleTest comes before any X11 header: Xlib's macros (None, Bool, ...)
// would otherwise clash with names inside it.
#include <gtest/gtest.h>

#include "harness/program_window.h"
#include "harness/test_display.h"

#include <memory>
#include <string>
#include <vector>

namespace e2e {

// The displays of the running test suite.
class DisplayPool {
  public:
    static TestDisplay& get(const ScreenConfig& screen);
    static void clear();
};

template <typename Base = ::testing::Test> class BrevonTestBase : public Base {
  public:
    static void TearDownTestSuite() { DisplayPool::clear(); }

    static const char* binary() { return BREVON_BINARY; }

    static TestDisplay& display(const ScreenConfig& screen = {}) {
        return DisplayPool::get(screen);
    }

    // Starts brevon with `args` and waits for its window to be on screen.
    // `xft_dpi` is the Xft.dpi resource on the root window (0: none).
    static ProgramWindow start(const std::vector<std::string>& args, int xft_dpi = 0,
                               const ScreenConfig& screen = {}) {
        TestDisplay& target = display(screen);
        set_root_resources(
            target.get(),
            xft_dpi > 0 ? std::string("Xft.dpi:\t").append(std::to_string(xft_dpi)).append("\n")
                        : std::string());
        return ProgramWindow(target.x(), target.name(), binary(), args);
    }
};

using BrevonTest = BrevonTestBase<>;
template <typename Param>
using BrevonTestWithParam = BrevonTestBase<::testing::TestWithParam<Param>>;

} // namespace e2e
