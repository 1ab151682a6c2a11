// The ways a person ends the program (each with status 0 and nothing on
// stderr) and the inputs that must leave it waiting.
#include "brevon_test.h"

#include "expected_look.h"
#include "harness/limits.h"
#include "harness/xtest_input.h"

#include <X11/keysym.h>

#include <functional>
#include <thread>

namespace e2e {
namespace {

constexpr Layout layout = layout_96;

// One thing a person does to the window, given the display, the window and
// where the window is on the root.
struct Action {
    const char* name;
    std::function<void(Display*, Window, const Rect&)> perform;
};

// Test output names the case rather than dumping its bytes.
void PrintTo(const Action& c, std::ostream* out) {
    *out << c.name;
}

void click_on(Display* x, const Rect& window, const Rect& control, unsigned button = 1) {
    click_at(x, window.x + centre_x(control), window.y + centre_y(control), button);
}

class ExitPathTest : public BrevonTestWithParam<Action> {
  protected:
    // Starts the program, waits until it is painted and has the focus, then
    // does the action.
    ProgramWindow start_and_do(const Action& action) {
        auto run = start({"Backup finished"});
        run.image();
        Display* x = display().get();
        give_focus(x, run.window());
        action.perform(x, run.window(), run.area());
        return run;
    }
};

class WaysOut : public ExitPathTest {};

TEST_P(WaysOut, EndTheProgramWithStatusZero) {
    auto run = start_and_do(GetParam());

    const auto status = run.process().wait_for_exit(exit_limit);
    ASSERT_TRUE(status) << "the program did not end";
    EXPECT_EQ(*status, (ExitStatus{true, 0}));
    EXPECT_EQ(run.process().stderr_text(), "");
}

const Action ways_out[] = {
    {"Enter", [](Display* x, Window, const Rect&) { tap_key(x, XK_Return); }},
    {"KeypadEnter", [](Display* x, Window, const Rect&) { tap_key(x, XK_KP_Enter); }},
    {"SpaceOnFocusedButton", [](Display* x, Window, const Rect&) { tap_key(x, XK_space); }},
    {"ClickOnOk", [](Display* x, Window, const Rect& w) { click_on(x, w, layout.button); }},
    {"CloseRequest", [](Display* x, Window window, const Rect&) { send_delete_window(x, window); }},
};

INSTANTIATE_TEST_SUITE_P(Actions, WaysOut, ::testing::ValuesIn(ways_out),
                         [](const auto& info) { return std::string(info.param.name); });

class NoWayOut : public ExitPathTest {};

TEST_P(NoWayOut, LeavesTheProgramWaiting) {
    auto run = start_and_do(GetParam());

    std::this_thread::sleep_for(settle_time);
    ASSERT_TRUE(run.process().running()) << "the program ended on " << GetParam().name;

    // Still answering: Enter ends it as usual.
    Display* x = display().get();
    give_focus(x, run.window());
    tap_key(x, XK_Return);
    const auto status = run.process().wait_for_exit(exit_limit);
    ASSERT_TRUE(status) << "the program no longer answers Enter";
    EXPECT_EQ(*status, (ExitStatus{true, 0}));
}

const Action no_way_out[] = {
    {"Escape", [](Display* x, Window, const Rect&) { tap_key(x, XK_Escape); }},
    {"ClickOnLabel", [](Display* x, Window, const Rect& w) { click_on(x, w, layout.label); }},
    {"ClickBesideOk", [](Display* x, Window,
                         const Rect& w) { click_at(x, w.x + 4, w.y + centre_y(layout.button)); }},
    {"RightClickOnOk", [](Display* x, Window, const Rect& w) { click_on(x, w, layout.button, 3); }},
    {"PressOnOkReleasedBesideIt",
     [](Display* x, Window, const Rect& w) {
         move_pointer(x, w.x + centre_x(layout.button), w.y + centre_y(layout.button));
         press_button(x);
         move_pointer(x, w.x + 4, w.y + centre_y(layout.button));
         release_button(x);
     }},
    {"PressOnOkReleasedOffTheWindow",
     [](Display* x, Window, const Rect& w) {
         move_pointer(x, w.x + centre_x(layout.button), w.y + centre_y(layout.button));
         press_button(x);
         move_pointer(x, w.x + centre_x(layout.button), w.bottom() + 40);
         release_button(x);
     }},
};

INSTANTIATE_TEST_SUITE_P(Actions, NoWayOut, ::testing::ValuesIn(no_way_out),
                         [](const auto& info) { return std::string(info.param.name); });

class SpaceKey : public BrevonTest {};

// Space clicks the focused button when it is let go, not when pressed.
TEST_F(SpaceKey, ClicksOnRelease) {
    auto run = start({"Backup finished"});
    run.image();
    Display* x = display().get();
    give_focus(x, run.window());

    press_key(x, XK_space);
    std::this_thread::sleep_for(settle_time);
    EXPECT_TRUE(run.process().running()) << "the program ended while Space was still down";

    release_key(x, XK_space);
    const auto status = run.process().wait_for_exit(exit_limit);
    ASSERT_TRUE(status) << "the program did not end when Space was let go";
    EXPECT_EQ(*status, (ExitStatus{true, 0}));
}

class WithoutText : public BrevonTest {};

// The OK button works the same when the label is hidden.
TEST_F(WithoutText, EnterEndsTheProgram) {
    auto run = start({});
    run.image();
    Display* x = display().get();
    give_focus(x, run.window());

    tap_key(x, XK_Return);
    const auto status = run.process().wait_for_exit(exit_limit);
    ASSERT_TRUE(status);
    EXPECT_EQ(*status, (ExitStatus{true, 0}));
}

} // namespace
} // namespace e2e
