#include "forms/x11/window_properties.h"

#include "forms/x11/window_icon.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <array>
#include <climits>
#include <string>
#include <unistd.h>

namespace forms::x11 {
namespace {

// The window manager hints that Motif-aware managers read, to leave out
// title-bar buttons and window functions.
struct MotifWmHints {
    unsigned long flags;
    unsigned long functions;
    unsigned long decorations;
    long input_mode;
    unsigned long status;
};
constexpr unsigned long motif_hints_functions = 1L << 0;
constexpr unsigned long motif_hints_decorations = 1L << 1;
constexpr unsigned long motif_func_resize = 1L << 1;
constexpr unsigned long motif_func_move = 1L << 2;
constexpr unsigned long motif_func_minimize = 1L << 3;
constexpr unsigned long motif_func_maximize = 1L << 4;
constexpr unsigned long motif_func_close = 1L << 5;
constexpr unsigned long motif_decor_border = 1L << 1;
constexpr unsigned long motif_decor_resizeh = 1L << 2;
constexpr unsigned long motif_decor_title = 1L << 3;
constexpr unsigned long motif_decor_menu = 1L << 4;
constexpr unsigned long motif_decor_minimize = 1L << 5;
constexpr unsigned long motif_decor_maximize = 1L << 6;

MotifWmHints motif_hints(const FormDescription& description) {
    const bool sizable = description.border != BorderStyle::FixedSingle;
    MotifWmHints hints{motif_hints_functions | motif_hints_decorations, motif_func_move,
                       motif_decor_border | motif_decor_title, 0, 0};
    if (sizable) {
        hints.functions |= motif_func_resize;
        hints.decorations |= motif_decor_resizeh;
    }
    if (description.control_box) {
        hints.functions |= motif_func_close;
        hints.decorations |= motif_decor_menu;
    }
    if (description.min_button) {
        hints.functions |= motif_func_minimize;
        hints.decorations |= motif_decor_minimize;
    }
    if (description.max_button) {
        hints.functions |= motif_func_maximize;
        hints.decorations |= motif_decor_maximize;
    }
    return hints;
}

void set_size_hints(::Display* display, ::Window window, const FormDescription& description,
                    const WindowPlacement& placement) {
    XSizeHints hints{};
    hints.flags = PPosition | PWinGravity;
    hints.x = placement.x;
    hints.y = placement.y;
    hints.win_gravity = NorthWestGravity;
    if (description.border == BorderStyle::FixedSingle) {
        // The same minimum and maximum: the user cannot resize it.
        hints.flags |= PMinSize | PMaxSize;
        hints.min_width = hints.max_width = placement.width;
        hints.min_height = hints.max_height = placement.height;
    }
    XSetWMNormalHints(display, window, &hints);
}

void set_identity(const Connection& connection, ::Window window,
                  const FormDescription& description) {
    ::Display* display = connection.display();
    const Atoms& atoms = connection.atoms();
    const std::string title(description.caption);
    XStoreName(display, window, title.c_str());
    XChangeProperty(display, window, atoms[AtomName::NetWmName], atoms[AtomName::Utf8String], 8,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(title.data()),
                    static_cast<int>(title.size()));

    char res_name[] = "brevon";
    char res_class[] = "Brevon";
    XClassHint class_hint{res_name, res_class};
    XSetClassHint(display, window, &class_hint);

    // _NET_WM_PID means something only together with the machine's name.
    std::array<char, HOST_NAME_MAX + 1> host{};
    if (gethostname(host.data(), host.size() - 1) == 0) {
        XChangeProperty(display, window, XA_WM_CLIENT_MACHINE, XA_STRING, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(host.data()),
                        static_cast<int>(std::string(host.data()).size()));
    }
    const long pid = getpid();
    XChangeProperty(display, window, atoms[AtomName::NetWmPid], XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&pid), 1);
}

} // namespace

void set_window_properties(const Connection& connection, ::Window window,
                           const FormDescription& description, const WindowPlacement& placement) {
    ::Display* display = connection.display();
    const Atoms& atoms = connection.atoms();
    set_identity(connection, window, description);
    set_size_hints(display, window, description, placement);

    XWMHints wm_hints{};
    wm_hints.flags = InputHint | StateHint;
    wm_hints.input = True;
    wm_hints.initial_state = NormalState;
    XSetWMHints(display, window, &wm_hints);

    ::Atom delete_window = atoms[AtomName::WmDeleteWindow];
    XSetWMProtocols(display, window, &delete_window, 1);

    if (!description.icon.empty())
        set_window_icon(display, window, atoms[AtomName::NetWmIcon], description.icon);

    const MotifWmHints motif = motif_hints(description);
    XChangeProperty(display, window, atoms[AtomName::MotifWmHints], atoms[AtomName::MotifWmHints],
                    32, PropModeReplace, reinterpret_cast<const unsigned char*>(&motif), 5);
}

} // namespace forms::x11
