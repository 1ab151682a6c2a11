// A push button clicks only when a press that began on it ends on it.
#include "forms/push_button_state.h"

#include <gtest/gtest.h>

namespace {

using forms::PushButtonState;

TEST(PushButtonState, PointerReleasedOverTheButtonClicks) {
    PushButtonState button;
    button.pointer_pressed();
    EXPECT_TRUE(button.pressed());
    EXPECT_TRUE(button.pointer_released(true));
    EXPECT_FALSE(button.pressed());
}

TEST(PushButtonState, PointerLeavingPopsTheButtonUpAndReleaseOutsideIsNoClick) {
    PushButtonState button;
    button.pointer_pressed();
    button.pointer_moved(false);
    EXPECT_FALSE(button.pressed());
    button.pointer_moved(true);
    EXPECT_TRUE(button.pressed());
    button.pointer_moved(false);
    EXPECT_FALSE(button.pointer_released(false));
    EXPECT_FALSE(button.pressed());
}

TEST(PushButtonState, SpaceClicksOnReleaseAndOnlyAfterItsOwnPress) {
    PushButtonState button;
    EXPECT_FALSE(button.key_released()) << "a release without a press";
    button.key_pressed();
    EXPECT_TRUE(button.pressed());
    EXPECT_FALSE(button.pointer_released(true)) << "the mouse cannot end a key press";
    EXPECT_TRUE(button.key_released());
    EXPECT_FALSE(button.key_released());
}

TEST(PushButtonState, AKeyPressDuringAPointerPressDoesNotArmIt) {
    PushButtonState button;
    button.pointer_pressed();
    button.key_pressed();
    EXPECT_FALSE(button.key_released());
    EXPECT_TRUE(button.pointer_released(true));
}

} // namespace
