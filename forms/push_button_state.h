// The press/armed/released behaviour of a push button, apart from painting:
// a click happens only when a press that began on the button ends on it.
// Painting reads pressed(); input changes the state and nothing else.
#pragma once

namespace forms {

class PushButtonState {
  public:
    // Mouse: a press on the button arms it; while armed it looks pressed
    // only while the pointer is over it; a release over it is a click.
    void pointer_pressed();
    void pointer_moved(bool over_button);
    [[nodiscard]] bool pointer_released(bool over_button);

    // Keyboard (Space on the focused button): pressed on key down, a click
    // on key up.
    void key_pressed();
    [[nodiscard]] bool key_released();

    // The default button shows pressed for an instant before it fires.
    void show_pressed() { pressed_ = true; }

    bool pressed() const { return pressed_; }

  private:
    enum class Armed { Idle, Pointer, Key };
    Armed armed_ = Armed::Idle;
    bool pressed_ = false;
};

} // namespace forms
