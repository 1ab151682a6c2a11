// The tests' own connection to the X server under test, and a way to look at
// X protocol errors without Xlib's default handler ending the test process.
#pragma once

#include <X11/Xlib.h>

#include <string>

namespace e2e {

class XConnection {
  public:
    // Throws std::runtime_error when the display cannot be opened.
    explicit XConnection(const std::string& display_name);
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;
    ~XConnection();

    Display* get() const { return display_; }
    Window root() const { return DefaultRootWindow(display_); }
    int screen_width() const { return DisplayWidth(display_, DefaultScreen(display_)); }
    int screen_height() const { return DisplayHeight(display_, DefaultScreen(display_)); }
    // Closes the connection early, e.g. before the server is taken away.
    void close();

  private:
    Display* display_ = nullptr;
};

// Notes protocol errors from the moment it is made. The program's window can
// go away between two requests of a test; such a request then fails quietly
// and the test asks `caught()` instead of being ended by Xlib.
class ErrorTrap {
  public:
    explicit ErrorTrap(Display* display);
    // Waits for the server to answer everything sent so far, then tells
    // whether any of it failed.
    bool caught();

  private:
    Display* display_;
    unsigned long errors_at_start_;
};

// Sets (or, with an empty text, deletes) the resource database on the root
// window that clients read when they connect, e.g. "Xft.dpi:\t192\n".
void set_root_resources(Display* display, const std::string& resources);

} // namespace e2e
