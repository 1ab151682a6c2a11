// The atoms the backend uses, interned together in one round trip.
#pragma once

#include <X11/Xlib.h>

#include <array>

namespace forms::x11 {

enum class AtomName {
    WmProtocols,
    WmDeleteWindow,
    NetWmName,
    NetWmPid,
    NetWmIcon,
    MotifWmHints,
    Utf8String,
    Count
};

class Atoms {
  public:
    // Interns every atom in one request; throws when it fails.
    explicit Atoms(::Display* display);
    ::Atom operator[](AtomName name) const { return atoms_[static_cast<int>(name)]; }

  private:
    std::array<::Atom, static_cast<int>(AtomName::Count)> atoms_{};
};

} // namespace forms::x11
