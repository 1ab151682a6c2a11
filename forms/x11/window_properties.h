// What the window tells the window manager: its fixed size and position,
// which title-bar buttons it has, its (empty) title, class, process and the
// close protocol.
#pragma once

#include "forms/description.h"
#include "forms/x11/connection.h"

namespace forms::x11 {

struct WindowPlacement {
    int x;
    int y;
    int width;
    int height;
};

void set_window_properties(const Connection& connection, ::Window window,
                           const FormDescription& description, const WindowPlacement& placement);

} // namespace forms::x11
