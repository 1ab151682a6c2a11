#include "xtest_input.h"

#include "window_lookup.h"

#include <X11/extensions/XTest.h>

namespace e2e {
namespace {

void key_event(Display* display, KeySym key, bool down) {
    const KeyCode code = XKeysymToKeycode(display, key);
    XTestFakeKeyEvent(display, code, down ? True : False, CurrentTime);
    XSync(display, False);
}

} // namespace

bool has_xtest(Display* display) {
    int event_base = 0;
    int error_base = 0;
    int major = 0;
    int minor = 0;
    return XTestQueryExtension(display, &event_base, &error_base, &major, &minor) != 0;
}

void press_key(Display* display, KeySym key) {
    key_event(display, key, true);
}

void release_key(Display* display, KeySym key) {
    key_event(display, key, false);
}

void tap_key(Display* display, KeySym key) {
    press_key(display, key);
    release_key(display, key);
}

void move_pointer(Display* display, int x, int y) {
    XTestFakeMotionEvent(display, DefaultScreen(display), x, y, CurrentTime);
    XSync(display, False);
}

void press_button(Display* display, unsigned button) {
    XTestFakeButtonEvent(display, button, True, CurrentTime);
    XSync(display, False);
}

void release_button(Display* display, unsigned button) {
    XTestFakeButtonEvent(display, button, False, CurrentTime);
    XSync(display, False);
}

void click_at(Display* display, int x, int y, unsigned button) {
    move_pointer(display, x, y);
    press_button(display, button);
    release_button(display, button);
}

void give_focus(Display* display, Window window) {
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    if (focus == PointerRoot || focus == None || !is_within(display, focus, window)) {
        XSetInputFocus(display, window, RevertToPointerRoot, CurrentTime);
    }
    XSync(display, False);
}

void send_delete_window(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
}

} // namespace e2e
