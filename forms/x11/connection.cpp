#include "forms/x11/connection.h"

#include "forms/units.h"
#include "forms/x11/xft_dpi.h"

#include <csignal>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace forms::x11 {
namespace {

// Xlib's handlers are plain C callbacks with no context, so the one
// connection's fatal path and name live here.
FatalHandler fatal = nullptr;
std::string display_name;

int on_io_error(::Display*) {
    fatal("lost the connection to the X server on '" + display_name + "'");
    return 0; // not reached: fatal ends the program
}

// Every request goes to our own window and pixmap, so no error is a harmless
// race: one means another program has interfered, and the window cannot be
// trusted to show what it should.
int on_protocol_error(::Display* display, XErrorEvent* error) {
    char text[256] = {};
    XGetErrorText(display, error->error_code, text, sizeof text);
    fatal("X error on '" + display_name + "': " + text + " (request " +
          std::to_string(error->request_code) + ")");
    return 0;
}

std::string requested_display_name() {
    const char* name = std::getenv("DISPLAY");
    return name ? name : "";
}

} // namespace

Connection::Connection(FatalHandler on_fatal) : on_fatal_(on_fatal) {
    fatal = on_fatal;
    display_name = requested_display_name();
    // A write to a server that has gone must come back as an error that we
    // report, not as a signal that kills the program silently.
    std::signal(SIGPIPE, SIG_IGN);
    XSetIOErrorHandler(on_io_error);
    XSetErrorHandler(on_protocol_error);
    display_.reset(XOpenDisplay(nullptr));
    if (!display_) {
        throw std::runtime_error(display_name.empty()
                                     ? std::string("cannot open display: DISPLAY is not set")
                                     : "cannot open display '" + display_name + "'");
    }
    display_name = DisplayString(display_.get());
    screen_ = DefaultScreen(display_.get());
    if (const char* resources = XResourceManagerString(display_.get()))
        dpi_ = parse_xft_dpi(resources).value_or(default_dpi);
    atoms_ = std::make_unique<Atoms>(display_.get());
}

Connection::~Connection() = default;

void Connection::fail(const std::string& reason) const {
    on_fatal_(reason);
    std::abort(); // on_fatal_ never returns
}

} // namespace forms::x11
