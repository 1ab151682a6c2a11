#include "forms/push_button_state.h"

namespace forms {

void PushButtonState::pointer_pressed() {
    if (armed_ != Armed::Idle)
        return;
    armed_ = Armed::Pointer;
    pressed_ = true;
}

void PushButtonState::pointer_moved(bool over_button) {
    if (armed_ == Armed::Pointer)
        pressed_ = over_button;
}

bool PushButtonState::pointer_released(bool over_button) {
    if (armed_ != Armed::Pointer)
        return false;
    armed_ = Armed::Idle;
    pressed_ = false;
    return over_button;
}

void PushButtonState::key_pressed() {
    if (armed_ != Armed::Idle)
        return;
    armed_ = Armed::Key;
    pressed_ = true;
}

bool PushButtonState::key_released() {
    if (armed_ != Armed::Key)
        return false;
    armed_ = Armed::Idle;
    pressed_ = false;
    return true;
}

} // namespace forms
