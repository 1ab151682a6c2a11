#include "window_lookup.h"

#include "limits.h"
#include "window_properties.h"
#include "x_connection.h"

#include <thread>

namespace e2e {

std::vector<Window> root_children(Display* display) {
    Window root_return = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    std::vector<Window> result;
    if (XQueryTree(display, DefaultRootWindow(display), &root_return, &parent, &children, &count) !=
        0) {
        result.assign(children, children + count);
    }
    if (children != nullptr) {
        XFree(children);
    }
    return result;
}

std::optional<Window> find_window_by_pid(Display* display, pid_t pid) {
    for (const Window window : root_children(display)) {
        const auto pids = cardinal_property(display, window, "_NET_WM_PID");
        if (pids.size() == 1 && static_cast<pid_t>(pids[0]) == pid) {
            return window;
        }
    }
    return std::nullopt;
}

std::optional<Window> find_window_by_class(Display* display, const std::string& name) {
    for (const Window window : root_children(display)) {
        const auto names = wm_class(display, window);
        if (names && names->instance == name) {
            return window;
        }
    }
    return std::nullopt;
}

std::optional<Window> wait_for_window(const std::function<std::optional<Window>()>& find,
                                      const std::function<bool()>& keep_waiting,
                                      std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (auto window = find()) {
            return window;
        }
        if (!keep_waiting() || std::chrono::steady_clock::now() >= deadline) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(poll_interval);
    }
}

bool wait_until_viewable(Display* display, Window window, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        ErrorTrap trap(display);
        XWindowAttributes attributes{};
        const bool known = XGetWindowAttributes(display, window, &attributes) != 0;
        if (trap.caught() || !known) {
            return false;
        }
        if (attributes.map_state == IsViewable) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(poll_interval);
    }
}

std::optional<Rect> area_on_root(Display* display, Window window) {
    ErrorTrap trap(display);
    Window root = 0;
    int x = 0;
    int y = 0;
    unsigned width = 0;
    unsigned height = 0;
    unsigned border = 0;
    unsigned depth = 0;
    if (XGetGeometry(display, window, &root, &x, &y, &width, &height, &border, &depth) == 0) {
        return std::nullopt;
    }
    Window child = 0;
    int root_x = 0;
    int root_y = 0;
    XTranslateCoordinates(display, window, root, 0, 0, &root_x, &root_y, &child);
    if (trap.caught()) {
        return std::nullopt;
    }
    return Rect{root_x, root_y, static_cast<int>(width), static_cast<int>(height)};
}

std::optional<Window> parent_of(Display* display, Window window) {
    ErrorTrap trap(display);
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    const bool ok = XQueryTree(display, window, &root, &parent, &children, &count) != 0;
    if (children != nullptr) {
        XFree(children);
    }
    if (!ok || trap.caught()) {
        return std::nullopt;
    }
    return parent;
}

bool is_within(Display* display, Window window, Window ancestor) {
    const Window root = DefaultRootWindow(display);
    while (window != 0 && window != root) {
        if (window == ancestor) {
            return true;
        }
        window = parent_of(display, window).value_or(0);
    }
    return false;
}

} // namespace e2e
