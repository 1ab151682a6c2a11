// The Xlib + Xft floor: the Xlib floor plus one string drawn with Xft in a
// face found through fontconfig, the least a program with antialiased text
// can do. The benchmark compares the message window against it.
#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <cstring>

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
    XftFont* font = XftFontOpenName(display, screen, "Arial:pixelsize=13");
    if (!font)
        return 1;
    Visual* visual = DefaultVisual(display, screen);
    const Colormap colormap = DefaultColormap(display, screen);
    XftDraw* draw = XftDrawCreate(display, window, visual, colormap);
    XftColor black;
    XftColorAllocName(display, visual, colormap, "black", &black);
    const char* text = "Backup finished";
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == Expose && event.xexpose.count == 0) {
            XFillRectangle(display, window, gc, 0, 0, width, height);
            XftDrawStringUtf8(draw, &black, font, 12, 24, reinterpret_cast<const FcChar8*>(text),
                              static_cast<int>(std::strlen(text)));
            XFlush(display);
        } else if (event.type == KeyPress && XLookupKeysym(&event.xkey, 0) == XK_Return) {
            return 0;
        }
    }
}
