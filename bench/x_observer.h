// The bench's own connection to the private X server: it sees a measured
// program's top-level window appear on the root, reads its pixels back
// until they settle, and types Enter into it with XTest.
#pragma once

#include <X11/Xlib.h>

#include <memory>
#include <string>
#include <unordered_map>

namespace bench {

class ChildProcess;

struct TopLevel {
    Window window = None;
    double created_ms = 0.0; // when its CreateNotify was read, 0 if never seen
    double mapped_ms = 0.0;  // when its MapNotify was read
    int width = 0;
    int height = 0;
};

struct PaintOptions {
    double poll_interval_ms = 0.5; // pause between two reads of the window's pixels
    double stable_ms = 300.0;      // no change for this long means fully painted
    double timeout_ms = 10000.0;   // give up waiting for the pixels to settle
};

struct Painted {
    double first_stable_frame_ms = 0.0; // the read that first saw the final image
    bool settled = false;               // false: still changing at the timeout
    int reads = 0;
    int changes = 0;
};

class XObserver {
  public:
    XObserver(); // the display named by DISPLAY
    ~XObserver();
    XObserver(const XObserver&) = delete;
    XObserver& operator=(const XObserver&) = delete;

    // Forgets every event so far, so the next run starts clean.
    void drain();
    // The first top-level window (a root child, not override-redirect) the
    // child maps. Throws with a reason when the child exits first or the
    // deadline passes.
    TopLevel wait_mapped(const ChildProcess& child, double deadline_ms);
    // Reads the window's pixels until they stop changing.
    Painted wait_painted(TopLevel& top, const ChildProcess& child, const PaintOptions& options);
    // Focuses the window and presses and releases Return; the time the
    // press was sent.
    double press_enter(const TopLevel& top);
    // Waits until no top-level is mapped any more, so runs do not overlap.
    void wait_no_windows(double timeout_ms);

    std::string server_description() const;

  private:
    void handle(const XEvent& event, TopLevel* top);

    struct CloseDisplay {
        void operator()(Display* display) const { XCloseDisplay(display); }
    };
    std::unique_ptr<Display, CloseDisplay> display_;
    Window root_ = None;
    int mapped_count_ = 0;
    std::unordered_map<Window, TopLevel> created_; // root children created this run
};

} // namespace bench
