// What the window tells a window manager through its properties: who it
// is, that it has no title text, a fixed size, no minimise or maximise
// button, that it accepts close requests and takes keyboard input.
#include "brevon_test.h"

#include "expected_look.h"
#include "harness/window_properties.h"

#include <algorithm>

namespace e2e {
namespace {

class WindowProperties : public BrevonTest {
  protected:
    Display* x() { return display().get(); }
};

TEST_F(WindowProperties, NamesItsClassAndProcess) {
    auto run = start({"Backup finished"});

    const auto names = wm_class(x(), run.window());
    ASSERT_TRUE(names);
    EXPECT_EQ(names->instance, "brevon");
    EXPECT_EQ(names->class_name, "Brevon");

    const auto pid = read_property(x(), run.window(), "_NET_WM_PID");
    ASSERT_TRUE(pid);
    EXPECT_EQ(pid->type, "CARDINAL");
    EXPECT_EQ(pid->items, std::vector<long>{run.process().pid()});
}

TEST_F(WindowProperties, HasNoTitleText) {
    auto run = start({"Backup finished"});

    const auto name = read_property(x(), run.window(), "WM_NAME");
    ASSERT_TRUE(name) << "without WM_NAME a window manager shows a name of its own";
    EXPECT_EQ(name->bytes, "");
    const auto net_name = read_property(x(), run.window(), "_NET_WM_NAME");
    if (net_name) {
        EXPECT_EQ(net_name->bytes, "");
    }
}

TEST_F(WindowProperties, AcceptsCloseRequestsAndKeyboardInput) {
    auto run = start({"Backup finished"});

    const auto protocols = atom_list_property(x(), run.window(), "WM_PROTOCOLS");
    EXPECT_NE(std::find(protocols.begin(), protocols.end(), "WM_DELETE_WINDOW"), protocols.end());

    const auto hints = wm_hints(x(), run.window());
    ASSERT_TRUE(hints);
    EXPECT_TRUE(hints->flags & InputHint);
    EXPECT_TRUE(hints->input);
}

TEST_F(WindowProperties, OffersCloseButNoMinimiseOrMaximise) {
    auto run = start({"Backup finished"});

    const auto motif = motif_hints(x(), run.window());
    ASSERT_TRUE(motif);
    EXPECT_TRUE(motif->has_decorations() || motif->has_functions());

    EXPECT_FALSE(motif->draws(MotifHints::decor_minimize));
    EXPECT_FALSE(motif->draws(MotifHints::decor_maximize));
    EXPECT_TRUE(motif->draws(MotifHints::decor_title));
    EXPECT_TRUE(motif->draws(MotifHints::decor_menu));
    EXPECT_TRUE(motif->draws(MotifHints::decor_border));

    EXPECT_FALSE(motif->offers(MotifHints::func_minimize));
    EXPECT_FALSE(motif->offers(MotifHints::func_maximize));
    EXPECT_TRUE(motif->offers(MotifHints::func_close));
    EXPECT_TRUE(motif->offers(MotifHints::func_move));
}

class FixedSize : public BrevonTestWithParam<Layout> {};

TEST_P(FixedSize, MinimumAndMaximumAreTheClientSize) {
    const Layout& layout = GetParam();
    auto run = start({"Backup finished"}, layout.xft_dpi);

    const auto hints = normal_hints(display().get(), run.window());
    ASSERT_TRUE(hints);
    ASSERT_TRUE(hints->flags & PMinSize);
    ASSERT_TRUE(hints->flags & PMaxSize);
    EXPECT_EQ(hints->min_width, layout.width);
    EXPECT_EQ(hints->min_height, layout.height);
    EXPECT_EQ(hints->max_width, layout.width);
    EXPECT_EQ(hints->max_height, layout.height);
}

INSTANTIATE_TEST_SUITE_P(Densities, FixedSize, ::testing::Values(layout_96, layout_192),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace e2e
