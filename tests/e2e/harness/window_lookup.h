// Finding a program's top-level window on the server and reading where it
// is. Without a window manager a top-level window is a direct child of the
// root, and its geometry is its client area.
#pragma once

#include "rect.h"

#include <X11/Xlib.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace e2e {

std::vector<Window> root_children(Display* display);
// The first child of the root whose _NET_WM_PID is `pid`.
std::optional<Window> find_window_by_pid(Display* display, pid_t pid);
// The first child of the root whose WM_CLASS instance name is `name`.
std::optional<Window> find_window_by_class(Display* display, const std::string& name);

// Polls `find` until it gives a window, `keep_waiting` says no (the program
// ended), or `limit` passes.
std::optional<Window> wait_for_window(const std::function<std::optional<Window>()>& find,
                                      const std::function<bool()>& keep_waiting,
                                      std::chrono::milliseconds limit);
bool wait_until_viewable(Display* display, Window window, std::chrono::milliseconds limit);

// The window's inside area in root coordinates; empty once it is gone.
std::optional<Rect> area_on_root(Display* display, Window window);
std::optional<Window> parent_of(Display* display, Window window);
// True when `window` is `ancestor` or lies inside it.
bool is_within(Display* display, Window window, Window ancestor);

} // namespace e2e
