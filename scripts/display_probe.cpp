// Tells by its exit status whether the X display in DISPLAY can be opened,
// so that the run script knows whether to bring its own virtual screen.
#include <X11/Xlib.h>

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return 1;
    }
    XCloseDisplay(display);
    return 0;
}
