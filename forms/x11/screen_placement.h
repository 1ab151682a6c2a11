// Where a window of a given size goes when it starts centred: the middle of
// the primary monitor, or of the whole screen where monitors are not known.
#pragma once

#include "forms/x11/connection.h"
#include "forms/x11/window_properties.h"

namespace forms::x11 {

WindowPlacement centred_on_screen(const Connection& connection, int width, int height);

} // namespace forms::x11
