// The OK button shows that it is held down: pressed with the mouse it looks
// pushed in, and it pops back out when the pointer leaves it; held with
// Space it looks pushed in until the key is let go.
#include "brevon_test.h"

#include "expected_look.h"
#include "harness/limits.h"
#include "harness/xtest_input.h"

#include <X11/keysym.h>

#include <thread>

namespace e2e {
namespace {

constexpr Layout layout = layout_96;

class PressedLook : public BrevonTest {};

TEST_F(PressedLook, MousePressLooksPushedInUntilThePointerLeaves) {
    auto run = start({"Backup finished"});
    Display* x = display().get();
    const Rect window = run.area();
    const Image before = run.image();

    move_pointer(x, window.x + centre_x(layout.button), window.y + centre_y(layout.button));
    press_button(x);
    std::this_thread::sleep_for(settle_time);
    const Image held = run.image();
    EXPECT_FALSE(held.crop(layout.button) == before.crop(layout.button))
        << "the button does not look pressed";
    EXPECT_TRUE(held.crop(layout.label) == before.crop(layout.label));
    EXPECT_EQ(stray_pixels(held, layout), 0);

    move_pointer(x, window.x + 4, window.y + centre_y(layout.button));
    std::this_thread::sleep_for(settle_time);
    EXPECT_TRUE(run.image().crop(layout.button) == before.crop(layout.button))
        << "the button still looks pressed with the pointer away from it";

    release_button(x);
    std::this_thread::sleep_for(settle_time);
    EXPECT_TRUE(run.process().running());
}

TEST_F(PressedLook, SpaceHeldDownLooksPushedIn) {
    auto run = start({"Backup finished"});
    Display* x = display().get();
    const Image before = run.image();
    give_focus(x, run.window());

    press_key(x, XK_space);
    std::this_thread::sleep_for(settle_time);
    const Image held = run.image();
    EXPECT_FALSE(held.crop(layout.button) == before.crop(layout.button))
        << "the button does not look pressed while Space is down";
    EXPECT_TRUE(run.process().running());

    release_key(x, XK_space);
    const auto status = run.process().wait_for_exit(exit_limit);
    ASSERT_TRUE(status);
    EXPECT_EQ(*status, (ExitStatus{true, 0}));
}

} // namespace
} // namespace e2e
