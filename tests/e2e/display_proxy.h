// A stand-in X display for fault tests: one client connects to it as to any
// display, and everything passes through to a real X server until the test
// cuts the connection at a chosen moment. A real server that goes away
// hangs up both ways at once, and the client finds out by reading; the proxy
// can stop reading from the client while still sending to it, so that the
// client writes to a connection that is gone.
#pragma once

#include "harness/unique_fd.h"

#include <atomic>
#include <string>
#include <thread>

namespace e2e {

class DisplayProxy {
  public:
    // Listens on a free display number and passes one client through to
    // `server_display` (":N"). Throws std::runtime_error when it cannot.
    explicit DisplayProxy(const std::string& server_display);
    DisplayProxy(const DisplayProxy&) = delete;
    DisplayProxy& operator=(const DisplayProxy&) = delete;
    ~DisplayProxy();

    // The DISPLAY value for the client, e.g. ":612".
    const std::string& display_name() const { return display_name_; }
    // Just before the next message from the server is passed on, the
    // client's connection is closed for the client's writes: it reads that
    // message, and whatever it sends in answer finds no reader (EPIPE, and
    // SIGPIPE unless the client ignores it).
    void cut_after_next_message() { cut_requested_ = true; }
    // True once the client's connection has been cut.
    bool cut() const { return cut_done_; }

  private:
    void pass_through(const std::string& server_display);

    std::string display_name_;
    std::string lock_file_;
    UniqueFd listener_;
    UniqueFd wake_read_;
    UniqueFd wake_write_;
    std::atomic<bool> cut_requested_ = false;
    std::atomic<bool> cut_done_ = false;
    std::thread thread_;
};

} // namespace e2e
