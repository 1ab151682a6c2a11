// The Xlib floor: the least a program can do to show a window of the
// message window's size, painted, and end on Enter. No font, no locale,
// no properties; the benchmark compares the message window against it.
#include <X11/Xlib.h>
#include <X11/keysym.h>

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 1;
    const int screen = DefaultScreen(display);
    const int width = 361;
    const int height = 94;
    const int x = (DisplayWidth(display, screen) - width) / 2;
    const int y = (DisplayHeight(display, screen) - height) / 2;
    const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), x, y, width,
                                              height, 0, 0, 0xF0F0F0);
    XSelectInput(display, window, ExposureMask | KeyPressMask);
    XMapWindow(display, window);
    GC gc = XCreateGC(display, window, 0, nullptr);
    XSetForeground(display, gc, 0xE1E1E1);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == Expose && event.xexpose.count == 0) {
            XFillRectangle(display, window, gc, 0, 0, width, height);
            XFlush(display);
        } else if (event.type == KeyPress && XLookupKeysym(&event.xkey, 0) == XK_Return) {
            return 0;
        }
    }
}
