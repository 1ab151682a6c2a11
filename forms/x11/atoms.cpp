#include "forms/x11/atoms.h"

#include <stdexcept>

namespace forms::x11 {
namespace {

// In the order of AtomName.
constexpr std::array<const char*, static_cast<int>(AtomName::Count)> atom_names{
    "WM_PROTOCOLS", "WM_DELETE_WINDOW", "_NET_WM_NAME", "_NET_WM_PID",
    "_NET_WM_ICON", "_MOTIF_WM_HINTS",  "UTF8_STRING",
};

} // namespace

Atoms::Atoms(::Display* display) {
    // XInternAtoms takes non-const names but does not change them.
    std::array<char*, atom_names.size()> names{};
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = const_cast<char*>(atom_names[i]);
    if (!XInternAtoms(display, names.data(), static_cast<int>(names.size()), False, atoms_.data()))
        throw std::runtime_error("cannot intern the window manager atoms");
}

} // namespace forms::x11
