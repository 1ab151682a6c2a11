// One run of a windowed program on a test display: started with the given
// words, its top-level window found by process id, mapped and painted.
#pragma once

#include "child_process.h"
#include "image.h"
#include "rect.h"
#include "x_connection.h"

#include <string>
#include <vector>

namespace e2e {

class ProgramWindow {
  public:
    // Starts `program` on the display of `x` and waits until its window is
    // viewable. Throws std::runtime_error, with whatever the program wrote
    // to stderr, when no window comes.
    ProgramWindow(XConnection& x, const std::string& display_name, const std::string& program,
                  const std::vector<std::string>& args);

    ChildProcess& process() { return process_; }
    Window window() const { return window_; }
    // The client area in root coordinates (the window's own size and place,
    // as no window manager runs).
    Rect area() const;
    // The window's pixels once painting has settled; the window always shows
    // some dark ink (the button), which tells a painted window from a bare
    // one. Throws when the pixels do not settle.
    Image image() const;

  private:
    Display* display_;
    ChildProcess process_;
    Window window_ = 0;
};

} // namespace e2e
