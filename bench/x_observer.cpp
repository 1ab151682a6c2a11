#include "bench/x_observer.h"

#include "bench/child_process.h"
#include "bench/clock.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <cstring>
#include <poll.h>
#include <stdexcept>
#include <thread>
#include <vector>

namespace bench {
namespace {

// Reading a window that another client is mapping, resizing or destroying
// can fail (BadMatch, BadWindow); such a read simply counts as no image.
int ignore_protocol_error(Display*, XErrorEvent*) {
    return 0;
}

// Waits until the X connection or the child's exit descriptor is readable.
void wait_readable(Display* display, const ChildProcess& child, double timeout_ms) {
    pollfd entries[2] = {{.fd = ConnectionNumber(display), .events = POLLIN, .revents = 0},
                         {.fd = child.exit_fd(), .events = POLLIN, .revents = 0}};
    poll(entries, 2, static_cast<int>(timeout_ms) + 1);
}

struct DestroyImage {
    void operator()(XImage* image) const { XDestroyImage(image); }
};

std::vector<char> read_pixels(Display* display, const TopLevel& top) {
    if (top.width <= 0 || top.height <= 0)
        return {};
    std::unique_ptr<XImage, DestroyImage> image(
        XGetImage(display, top.window, 0, 0, static_cast<unsigned>(top.width),
                  static_cast<unsigned>(top.height), AllPlanes, ZPixmap));
    if (!image)
        return {};
    const auto bytes =
        static_cast<std::size_t>(image->bytes_per_line) * static_cast<std::size_t>(image->height);
    return {image->data, image->data + bytes};
}

} // namespace

XObserver::XObserver() : display_(XOpenDisplay(nullptr)) {
    if (!display_)
        throw std::runtime_error("cannot open the benchmark's display");
    int event_base = 0;
    int error_base = 0;
    int major = 0;
    int minor = 0;
    if (!XTestQueryExtension(display_.get(), &event_base, &error_base, &major, &minor))
        throw std::runtime_error("the X server has no XTEST extension");
    XSetErrorHandler(ignore_protocol_error);
    root_ = DefaultRootWindow(display_.get());
    XSelectInput(display_.get(), root_, SubstructureNotifyMask);
    XSync(display_.get(), False);
}

XObserver::~XObserver() = default;

void XObserver::drain() {
    XSync(display_.get(), False);
    while (XPending(display_.get())) {
        XEvent event;
        XNextEvent(display_.get(), &event);
        handle(event, nullptr);
    }
    created_.clear();
}

void XObserver::handle(const XEvent& event, TopLevel* top) {
    switch (event.type) {
    case CreateNotify:
        if (event.xcreatewindow.parent == root_ && !event.xcreatewindow.override_redirect) {
            created_[event.xcreatewindow.window] = {.window = event.xcreatewindow.window,
                                                    .created_ms = now_ms(),
                                                    .mapped_ms = 0.0,
                                                    .width = event.xcreatewindow.width,
                                                    .height = event.xcreatewindow.height};
        }
        break;
    case MapNotify:
        if (event.xmap.event != root_ || event.xmap.override_redirect)
            break;
        ++mapped_count_;
        if (top && top->window == None) {
            const double mapped = now_ms();
            if (const auto found = created_.find(event.xmap.window); found != created_.end()) {
                *top = found->second;
            } else {
                // Created before this run's events were read.
                XWindowAttributes attributes{};
                XGetWindowAttributes(display_.get(), event.xmap.window, &attributes);
                *top = {.window = event.xmap.window,
                        .created_ms = 0.0,
                        .mapped_ms = 0.0,
                        .width = attributes.width,
                        .height = attributes.height};
            }
            top->mapped_ms = mapped;
        }
        break;
    case UnmapNotify:
        if (event.xunmap.event == root_ && mapped_count_ > 0)
            --mapped_count_;
        break;
    case DestroyNotify:
        created_.erase(event.xdestroywindow.window);
        break;
    case ConfigureNotify:
        if (top && event.xconfigure.window == top->window) {
            top->width = event.xconfigure.width;
            top->height = event.xconfigure.height;
        } else if (const auto found = created_.find(event.xconfigure.window);
                   found != created_.end()) {
            found->second.width = event.xconfigure.width;
            found->second.height = event.xconfigure.height;
        }
        break;
    default:
        break;
    }
}

TopLevel XObserver::wait_mapped(const ChildProcess& child, double deadline_ms) {
    TopLevel top;
    for (;;) {
        while (XPending(display_.get())) {
            XEvent event;
            XNextEvent(display_.get(), &event);
            handle(event, &top);
        }
        if (top.window != None)
            return top;
        if (child.has_exited())
            throw std::runtime_error("ended before showing a window");
        const double now = now_ms();
        if (now >= deadline_ms)
            throw std::runtime_error("showed no window in time");
        wait_readable(display_.get(), child, deadline_ms - now);
    }
}

Painted XObserver::wait_painted(TopLevel& top, const ChildProcess& child,
                                const PaintOptions& options) {
    Painted painted;
    std::vector<char> last;
    double last_change = 0.0;
    const double deadline = now_ms() + options.timeout_ms;
    const auto pause = std::chrono::microseconds(static_cast<long>(options.poll_interval_ms * 1e3));
    for (;;) {
        while (XPending(display_.get())) {
            XEvent event;
            XNextEvent(display_.get(), &event);
            handle(event, &top);
        }
        auto pixels = read_pixels(display_.get(), top);
        const double read_at = now_ms();
        ++painted.reads;
        if (!pixels.empty() && pixels != last) {
            last = std::move(pixels);
            last_change = read_at;
            ++painted.changes;
        }
        if (last_change > 0.0 && read_at - last_change >= options.stable_ms) {
            painted.first_stable_frame_ms = last_change;
            painted.settled = true;
            return painted;
        }
        if (child.has_exited())
            throw std::runtime_error("ended before its window was painted");
        if (read_at >= deadline) {
            if (last_change == 0.0)
                throw std::runtime_error("its window could not be read");
            painted.first_stable_frame_ms = last_change;
            return painted;
        }
        std::this_thread::sleep_for(pause);
    }
}

double XObserver::press_enter(const TopLevel& top) {
    Display* display = display_.get();
    XSetInputFocus(display, top.window, RevertToPointerRoot, CurrentTime);
    XSync(display, False);
    const KeyCode keycode = XKeysymToKeycode(display, XK_Return);
    const double pressed = now_ms();
    XTestFakeKeyEvent(display, keycode, True, CurrentTime);
    XTestFakeKeyEvent(display, keycode, False, CurrentTime);
    XFlush(display);
    return pressed;
}

void XObserver::wait_no_windows(double timeout_ms) {
    const double deadline = now_ms() + timeout_ms;
    for (;;) {
        XSync(display_.get(), False);
        while (XPending(display_.get())) {
            XEvent event;
            XNextEvent(display_.get(), &event);
            handle(event, nullptr);
        }
        if (mapped_count_ <= 0 || now_ms() >= deadline)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

std::string XObserver::server_description() const {
    Display* display = display_.get();
    const Screen* screen = DefaultScreenOfDisplay(display);
    return std::string(ServerVendor(display)) + " " + std::to_string(VendorRelease(display)) +
           ", screen " + std::to_string(screen->width) + "x" + std::to_string(screen->height) +
           " depth " + std::to_string(DefaultDepthOfScreen(screen));
}

} // namespace bench
