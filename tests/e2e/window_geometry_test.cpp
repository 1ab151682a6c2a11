// The window's size at the display's density and its place in the middle
// of the screen, read back from the X server.
#include "brevon_test.h"

#include "expected_look.h"
#include "harness/window_lookup.h"

namespace e2e {
namespace {

struct GeometryCase {
    const char* name;
    ScreenConfig screen;
    int xft_dpi;
    int width; // expected client area
    int height;
};

// Test output names the case rather than dumping its bytes.
void PrintTo(const GeometryCase& c, std::ostream* out) {
    *out << c.name;
}

class WindowGeometry : public BrevonTestWithParam<GeometryCase> {};

TEST_P(WindowGeometry, HasItsSizeAndIsCentredOnTheScreen) {
    const GeometryCase& c = GetParam();
    auto run = start({"Backup finished"}, c.xft_dpi, c.screen);

    const Rect expected{(c.screen.width - c.width) / 2, (c.screen.height - c.height) / 2, c.width,
                        c.height};
    EXPECT_EQ(run.area(), expected);
}

const GeometryCase geometry_cases[] = {
    {"Dpi96", {1280, 1024}, 0, 361, 94},
    {"XftDpi192", {1280, 1024}, 192, 722, 188},
    {"XftDpi96Explicit", {1280, 1024}, 96, 361, 94},
    // The logical density comes from Xft.dpi alone, not from the screen's
    // physical size.
    {"PhysicalDpiIgnored", {1280, 1024, 192}, 0, 361, 94},
    {"SmallScreen", {800, 600}, 0, 361, 94},
    // Odd leftovers: the half pixel is dropped.
    {"OddScreenXftDpi192", {1023, 767}, 192, 722, 188},
};

INSTANTIATE_TEST_SUITE_P(Screens, WindowGeometry, ::testing::ValuesIn(geometry_cases),
                         [](const auto& info) { return std::string(info.param.name); });

class TopLevelWindow : public BrevonTest {};

// Without a window manager the window must be an ordinary top-level window
// that a window manager would take over: a child of the root, drawable, not
// override-redirect.
TEST_F(TopLevelWindow, IsAnOrdinaryChildOfTheRoot) {
    auto run = start({"Backup finished"});
    Display* x = display().get();

    EXPECT_EQ(parent_of(x, run.window()), DefaultRootWindow(x));
    XWindowAttributes attributes{};
    ASSERT_NE(XGetWindowAttributes(x, run.window(), &attributes), 0);
    EXPECT_EQ(attributes.c_class, InputOutput);
    EXPECT_FALSE(attributes.override_redirect);
    EXPECT_EQ(attributes.map_state, IsViewable);
}

// One window only: the program shows nothing else on the screen.
TEST_F(TopLevelWindow, IsTheProgramsOnlyMappedWindow) {
    auto run = start({"Backup finished"});
    Display* x = display().get();

    int mapped_by_program = 0;
    for (const Window window : root_children(x)) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(x, window, &attributes) != 0 &&
            attributes.map_state == IsViewable) {
            ++mapped_by_program;
        }
    }
    EXPECT_EQ(mapped_by_program, 1);
}

} // namespace
} // namespace e2e
