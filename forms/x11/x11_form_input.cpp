// The window's default handling of what the user does: keys and the mouse
// change the buttons' state and report clicks; the close request and the
// window's destruction end the event loop.
#include "forms/x11/x11_form.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <variant>

namespace forms::x11 {
namespace {

bool is_button(const ControlDescription& control) {
    return std::holds_alternative<ButtonDescription>(control);
}

} // namespace

bool X11Form::handle(XEvent& event, EventSink& sink) {
    switch (event.type) {
    case Expose:
        if (event.xexpose.count == 0)
            canvas_->present();
        break;
    case KeyPress:
        on_key_press(event.xkey, sink);
        break;
    case KeyRelease:
        on_key_release(event.xkey, sink);
        break;
    case ButtonPress:
        on_button_press(event.xbutton);
        break;
    case MotionNotify:
        on_pointer_motion(event.xmotion);
        break;
    case ButtonRelease:
        on_button_release(event.xbutton, sink);
        break;
    case MappingNotify:
        XRefreshKeyboardMapping(&event.xmapping);
        break;
    case ClientMessage:
        // The window manager's close box, system menu or close key.
        if (event.xclient.message_type == connection_.atoms()[AtomName::WmProtocols] &&
            static_cast<::Atom>(event.xclient.data.l[0]) ==
                connection_.atoms()[AtomName::WmDeleteWindow])
            return false;
        break;
    case DestroyNotify:
        if (event.xdestroywindow.window == window_)
            connection_.fail("the window was destroyed by another program");
        break;
    default:
        break;
    }
    return true;
}

void X11Form::on_key_press(XKeyEvent& key, EventSink& sink) {
    const KeySym symbol = XLookupKeysym(&key, 0);
    if (symbol == XK_Return || symbol == XK_KP_Enter) {
        if (!default_button_)
            return;
        // The default button shows pressed for an instant, then fires.
        controls_[*default_button_].button.show_pressed();
        paint();
        XFlush(connection_.display());
        click(*default_button_, sink);
    } else if (symbol == XK_Escape) {
        if (cancel_button_)
            click(*cancel_button_, sink);
    } else if (symbol == XK_space && focused_ && is_button(*controls_[*focused_].description)) {
        controls_[*focused_].button.key_pressed();
        paint();
    }
}

void X11Form::on_key_release(XKeyEvent& key, EventSink& sink) {
    if (XLookupKeysym(&key, 0) != XK_space || !focused_ || is_auto_repeat(key))
        return;
    const bool clicked = controls_[*focused_].button.key_released();
    paint();
    if (clicked)
        click(*focused_, sink);
}

// A held key repeats as a release and a press with the same time stamp; the
// release is not the user letting go.
bool X11Form::is_auto_repeat(const XKeyEvent& release) {
    ::Display* display = connection_.display();
    if (XEventsQueued(display, QueuedAfterReading) == 0)
        return false;
    XEvent next;
    XPeekEvent(display, &next);
    return next.type == KeyPress && next.xkey.keycode == release.keycode &&
           next.xkey.time == release.time;
}

void X11Form::on_button_press(const XButtonEvent& press) {
    if (press.button != Button1 || pointer_target_)
        return;
    pointer_target_ = button_at(press.x, press.y);
    if (!pointer_target_)
        return;
    controls_[*pointer_target_].button.pointer_pressed();
    paint();
}

void X11Form::on_pointer_motion(const XMotionEvent& motion) {
    if (!pointer_target_)
        return;
    Control& control = controls_[*pointer_target_];
    const bool was_pressed = control.button.pressed();
    control.button.pointer_moved(control.bounds.contains(motion.x, motion.y));
    if (control.button.pressed() != was_pressed)
        paint();
}

void X11Form::on_button_release(const XButtonEvent& release, EventSink& sink) {
    if (release.button != Button1 || !pointer_target_)
        return;
    const std::size_t target = *pointer_target_;
    pointer_target_.reset();
    Control& control = controls_[target];
    const bool clicked =
        control.button.pointer_released(control.bounds.contains(release.x, release.y));
    paint();
    if (clicked)
        click(target, sink);
}

void X11Form::click(std::size_t control, EventSink& sink) {
    sink.fire(control, Event::Click);
    // The handler may have left the program running: show the button up.
    paint();
}

std::optional<std::size_t> X11Form::button_at(int x, int y) const {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const Control& control = controls_[i];
        if (control.visible && is_button(*control.description) && control.bounds.contains(x, y))
            return i;
    }
    return std::nullopt;
}

} // namespace forms::x11
