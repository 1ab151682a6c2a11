// Reading what a program told the window manager through its window's
// properties: class, process id, title, size hints, Motif hints, protocols.
#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

struct RawProperty {
    std::string type;        // atom name of the property's type
    int format = 0;          // 8, 16 or 32
    std::string bytes;       // format 8
    std::vector<long> items; // format 16 and 32, one entry per item
};

// Empty when the window has no such property (or is gone).
std::optional<RawProperty> read_property(Display* display, Window window, const char* name);
// A property's 32-bit items; empty when absent.
std::vector<long> cardinal_property(Display* display, Window window, const char* name);
// The names of the atoms an ATOM-list property holds.
std::vector<std::string> atom_list_property(Display* display, Window window, const char* name);

struct WmClass {
    std::string instance;
    std::string class_name;
};
std::optional<WmClass> wm_class(Display* display, Window window);
std::optional<XSizeHints> normal_hints(Display* display, Window window);
std::optional<XWMHints> wm_hints(Display* display, Window window);

// _MOTIF_WM_HINTS as a window manager reads it. When the "all" bit is set,
// the other bits name what is taken away rather than what is given.
struct MotifHints {
    static constexpr unsigned long functions_flag = 1;
    static constexpr unsigned long decorations_flag = 2;

    static constexpr unsigned long func_resize = 1 << 1;
    static constexpr unsigned long func_move = 1 << 2;
    static constexpr unsigned long func_minimize = 1 << 3;
    static constexpr unsigned long func_maximize = 1 << 4;
    static constexpr unsigned long func_close = 1 << 5;

    static constexpr unsigned long decor_border = 1 << 1;
    static constexpr unsigned long decor_resizeh = 1 << 2;
    static constexpr unsigned long decor_title = 1 << 3;
    static constexpr unsigned long decor_menu = 1 << 4;
    static constexpr unsigned long decor_minimize = 1 << 5;
    static constexpr unsigned long decor_maximize = 1 << 6;

    unsigned long flags = 0;
    unsigned long functions = 0;
    unsigned long decorations = 0;

    bool has_functions() const { return (flags & functions_flag) != 0; }
    bool has_decorations() const { return (flags & decorations_flag) != 0; }
    // Whether the window manager offers a function / draws a decoration;
    // without the field the window manager's defaults (everything) apply.
    bool offers(unsigned long function) const {
        return grants(has_functions(), functions, function);
    }
    bool draws(unsigned long decoration) const {
        return grants(has_decorations(), decorations, decoration);
    }

  private:
    static bool grants(bool present, unsigned long field, unsigned long bit) {
        if (!present) {
            return true;
        }
        const bool all_but_listed = (field & 1) != 0;
        return all_but_listed ? (field & bit) == 0 : (field & bit) != 0;
    }
};
std::optional<MotifHints> motif_hints(Display* display, Window window);

} // namespace e2e
