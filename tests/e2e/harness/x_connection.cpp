#include "x_connection.h"

#include <X11/Xatom.h>

#include <atomic>
#include <mutex>
#include <stdexcept>

namespace e2e {
namespace {

std::atomic<unsigned long> protocol_errors{0};

int count_error(Display*, XErrorEvent*) {
    ++protocol_errors;
    return 0;
}

void install_error_handler_once() {
    static std::once_flag once;
    std::call_once(once, [] { XSetErrorHandler(count_error); });
}

} // namespace

XConnection::XConnection(const std::string& display_name) {
    install_error_handler_once();
    display_ = XOpenDisplay(display_name.c_str());
    if (display_ == nullptr) {
        throw std::runtime_error("cannot open display " + display_name);
    }
}

XConnection::~XConnection() {
    close();
}

void XConnection::close() {
    if (display_ != nullptr) {
        XCloseDisplay(display_);
        display_ = nullptr;
    }
}

ErrorTrap::ErrorTrap(Display* display) : display_(display) {
    XSync(display_, False);
    errors_at_start_ = protocol_errors;
}

bool ErrorTrap::caught() {
    XSync(display_, False);
    return protocol_errors != errors_at_start_;
}

void set_root_resources(Display* display, const std::string& resources) {
    const Atom property = XInternAtom(display, "RESOURCE_MANAGER", False);
    const Window root = DefaultRootWindow(display);
    if (resources.empty()) {
        XDeleteProperty(display, root, property);
    } else {
        XChangeProperty(display, root, property, XA_STRING, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(resources.data()),
                        static_cast<int>(resources.size()));
    }
    XSync(display, False);
}

} // namespace e2e
