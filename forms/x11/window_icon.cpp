// _NET_WM_ICON is a CARDINAL array of format 32: for each image its width,
// its height, then its pixels as 0xAARRGGBB, rows top to bottom. Xlib takes
// format-32 data as an array of `unsigned long`, whatever its width.
#include "forms/x11/window_icon.h"

#include "forms/icon_file.h"

#include <X11/Xatom.h>

#include <climits>
#include <vector>

namespace forms::x11 {

void set_window_icon(::Display* display, ::Window window, ::Atom net_wm_icon,
                     std::span<const std::uint8_t> icon_file) {
    const std::vector<IconImage> images = decode_argb_icon_images(icon_file);
    if (images.empty()) {
        return;
    }
    std::vector<unsigned long> data;
    for (const IconImage& image : images) {
        data.push_back(static_cast<unsigned long>(image.width));
        data.push_back(static_cast<unsigned long>(image.height));
        data.insert(data.end(), image.argb.begin(), image.argb.end());
    }
    if (data.size() > INT_MAX) {
        return; // more than a property can carry; no real icon comes close
    }
    XChangeProperty(display, window, net_wm_icon, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(data.data()),
                    static_cast<int>(data.size()));
}

} // namespace forms::x11
