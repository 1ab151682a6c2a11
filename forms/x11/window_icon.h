// Gives a window its icon: the icon file's 32-bit images as _NET_WM_ICON, the
// property the window manager reads for the title bar and the task switcher.
#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <span>

namespace forms::x11 {

// Sets _NET_WM_ICON on `window` to every 32-bit image of `icon_file` (for the
// program icon: 48, 32 and 16 px, in the file's order), pixel for pixel. An
// icon file without readable 32-bit images leaves the window without icon.
void set_window_icon(::Display* display, ::Window window, ::Atom net_wm_icon,
                     std::span<const std::uint8_t> icon_file);

} // namespace forms::x11
