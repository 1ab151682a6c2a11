// Input as a person gives it, made by the XTest extension: the server
// delivers these events exactly like real keyboard and mouse events.
#pragma once

#include <X11/Xlib.h>

namespace e2e {

// True when the server offers XTest.
bool has_xtest(Display* display);

void press_key(Display* display, KeySym key);
void release_key(Display* display, KeySym key);
// Press and release.
void tap_key(Display* display, KeySym key);

// Positions are in root coordinates.
void move_pointer(Display* display, int x, int y);
void press_button(Display* display, unsigned button = 1);
void release_button(Display* display, unsigned button = 1);
void click_at(Display* display, int x, int y, unsigned button = 1);

// Gives the keyboard focus to `window` unless it already sits inside it,
// as a window manager does when the user picks a window. Without a window
// manager, keys go to the focus window.
void give_focus(Display* display, Window window);

// Asks the window to close, as a window manager does for the close box:
// a WM_PROTOCOLS client message carrying WM_DELETE_WINDOW.
void send_delete_window(Display* display, Window window);

} // namespace e2e
