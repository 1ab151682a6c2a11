#include "forms/x11/screen_placement.h"

#include <X11/extensions/Xrandr.h>

namespace forms::x11 {
namespace {

struct Area {
    int x;
    int y;
    int width;
    int height;
};

// The primary monitor, else the first one, else the whole screen.
Area primary_monitor(const Connection& connection) {
    ::Display* display = connection.display();
    Area area{0, 0, DisplayWidth(display, connection.screen()),
              DisplayHeight(display, connection.screen())};
    int event_base = 0;
    int error_base = 0;
    if (!XRRQueryExtension(display, &event_base, &error_base))
        return area;
    int count = 0;
    XRRMonitorInfo* monitors = XRRGetMonitors(display, connection.root(), True, &count);
    if (!monitors)
        return area;
    for (int i = 0; i < count; ++i) {
        if (monitors[i].primary || i == 0)
            area = {monitors[i].x, monitors[i].y, monitors[i].width, monitors[i].height};
        if (monitors[i].primary)
            break;
    }
    XRRFreeMonitors(monitors);
    return area;
}

} // namespace

WindowPlacement centred_on_screen(const Connection& connection, int width, int height) {
    const Area monitor = primary_monitor(connection);
    return {monitor.x + (monitor.width - width) / 2, monitor.y + (monitor.height - height) / 2,
            width, height};
}

} // namespace forms::x11
