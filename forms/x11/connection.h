// The connection to the X server: opened once, with the error handlers in
// place before the first request, closed when the backend goes.
#pragma once

#include "forms/backend.h"
#include "forms/x11/atoms.h"

#include <X11/Xlib.h>

#include <memory>
#include <string>

namespace forms::x11 {

class Connection {
  public:
    // Throws, naming the display, when it cannot be reached. Errors found
    // later (the server gone, a protocol error) end the program through
    // on_fatal.
    explicit Connection(FatalHandler on_fatal);
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    ~Connection();

    ::Display* display() const { return display_.get(); }
    int screen() const { return screen_; }
    ::Window root() const { return RootWindow(display(), screen_); }
    ::Visual* visual() const { return DefaultVisual(display(), screen_); }
    ::Colormap colormap() const { return DefaultColormap(display(), screen_); }
    int depth() const { return DefaultDepth(display(), screen_); }
    // Logical pixels per inch: Xft.dpi when the desktop sets it, else 96.
    double dpi() const { return dpi_; }
    const Atoms& atoms() const { return *atoms_; }
    // Ends the program through the fatal path; never returns.
    [[noreturn]] void fail(const std::string& reason) const;

  private:
    struct CloseDisplay {
        void operator()(::Display* display) const { XCloseDisplay(display); }
    };
    FatalHandler on_fatal_;
    std::unique_ptr<::Display, CloseDisplay> display_;
    int screen_ = 0;
    double dpi_ = 96.0;
    std::unique_ptr<Atoms> atoms_;
};

} // namespace forms::x11
