#include "window_properties.h"

#include "x_connection.h"

#include <X11/Xatom.h>

#include <memory>

namespace e2e {
namespace {

struct XFreeDeleter {
    void operator()(void* data) const {
        if (data != nullptr) {
            XFree(data);
        }
    }
};

std::string atom_name(Display* display, Atom atom) {
    if (atom == None) {
        return {};
    }
    std::unique_ptr<char, XFreeDeleter> name(XGetAtomName(display, atom));
    return name ? std::string(name.get()) : std::string();
}

} // namespace

std::optional<RawProperty> read_property(Display* display, Window window, const char* name) {
    ErrorTrap trap(display);
    const Atom property = XInternAtom(display, name, False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* raw = nullptr;
    const int status = XGetWindowProperty(display, window, property, 0, 1L << 24, False,
                                          AnyPropertyType, &type, &format, &count, &after, &raw);
    std::unique_ptr<unsigned char, XFreeDeleter> data(raw);
    if (trap.caught() || status != Success || type == None) {
        return std::nullopt;
    }
    RawProperty result;
    result.type = atom_name(display, type);
    result.format = format;
    if (format == 8) {
        result.bytes.assign(reinterpret_cast<const char*>(raw), count);
    } else if (format == 16) {
        const auto* shorts = reinterpret_cast<const short*>(raw);
        result.items.assign(shorts, shorts + count);
    } else if (format == 32) {
        // Xlib hands 32-bit items over as longs.
        const auto* longs = reinterpret_cast<const long*>(raw);
        result.items.assign(longs, longs + count);
    }
    return result;
}

std::vector<long> cardinal_property(Display* display, Window window, const char* name) {
    auto property = read_property(display, window, name);
    if (!property || property->format != 32) {
        return {};
    }
    return property->items;
}

std::vector<std::string> atom_list_property(Display* display, Window window, const char* name) {
    std::vector<std::string> names;
    for (const long atom : cardinal_property(display, window, name)) {
        names.push_back(atom_name(display, static_cast<Atom>(atom)));
    }
    return names;
}

std::optional<WmClass> wm_class(Display* display, Window window) {
    const auto property = read_property(display, window, "WM_CLASS");
    if (!property || property->format != 8) {
        return std::nullopt;
    }
    // Two NUL-terminated strings: instance name, then class name.
    const std::string& bytes = property->bytes;
    const auto first_end = bytes.find('\0');
    WmClass names;
    names.instance = bytes.substr(0, first_end);
    if (first_end != std::string::npos) {
        const auto second = bytes.substr(first_end + 1);
        names.class_name = second.substr(0, second.find('\0'));
    }
    return names;
}

std::optional<XSizeHints> normal_hints(Display* display, Window window) {
    ErrorTrap trap(display);
    XSizeHints hints{};
    long supplied = 0;
    const bool found = XGetWMNormalHints(display, window, &hints, &supplied) != 0;
    if (trap.caught() || !found) {
        return std::nullopt;
    }
    return hints;
}

std::optional<XWMHints> wm_hints(Display* display, Window window) {
    ErrorTrap trap(display);
    std::unique_ptr<XWMHints, XFreeDeleter> hints(XGetWMHints(display, window));
    if (trap.caught() || !hints) {
        return std::nullopt;
    }
    return *hints;
}

std::optional<MotifHints> motif_hints(Display* display, Window window) {
    const auto items = cardinal_property(display, window, "_MOTIF_WM_HINTS");
    if (items.size() < 3) {
        return std::nullopt;
    }
    MotifHints hints;
    hints.flags = static_cast<unsigned long>(items[0]);
    hints.functions = static_cast<unsigned long>(items[1]);
    hints.decorations = static_cast<unsigned long>(items[2]);
    return hints;
}

} // namespace e2e
