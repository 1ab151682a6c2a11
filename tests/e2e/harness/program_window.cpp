#include "program_window.h"

#include "limits.h"
#include "window_lookup.h"
#include "xtest_input.h"

#include <sstream>
#include <stdexcept>

namespace e2e {
namespace {

std::runtime_error failure(ChildProcess& process, const std::string& what) {
    std::string message = what;
    if (!process.running()) {
        message += " (the program ended";
        if (const auto status = process.wait_for_exit(exit_limit)) {
            std::ostringstream text;
            text << " with " << *status;
            message += text.str();
        }
        message += ")";
    }
    message += "; its stderr: \"" + process.stderr_text() + "\"";
    return std::runtime_error(message);
}

} // namespace

ProgramWindow::ProgramWindow(XConnection& x, const std::string& display_name,
                             const std::string& program, const std::vector<std::string>& args)
    : display_(x.get()), process_([&] {
          // Park the pointer in a corner so that no hover look shows and keys
          // go to the focus window.
          move_pointer(x.get(), 0, 0);
          return Launch{program, args, display_name};
      }()) {
    const auto found = wait_for_window([&] { return find_window_by_pid(display_, process_.pid()); },
                                       [&] { return process_.running(); }, start_limit);
    if (!found) {
        throw failure(
            process_,
            std::string("no window with _NET_WM_PID ").append(std::to_string(process_.pid())));
    }
    window_ = *found;
    if (!wait_until_viewable(display_, window_, start_limit)) {
        throw failure(process_, "the window was never mapped");
    }
}

Rect ProgramWindow::area() const {
    const auto area = area_on_root(display_, window_);
    if (!area) {
        throw std::runtime_error("the window is gone");
    }
    return *area;
}

Image ProgramWindow::image() const {
    auto image = grab_steady(display_, window_, is_dark(), paint_limit);
    if (!image) {
        throw std::runtime_error("the window's pixels never settled on a painted picture");
    }
    return *image;
}

} // namespace e2e
