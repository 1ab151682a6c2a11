// A private virtual X server for one group of tests. Xvfb picks a free
// display number itself (-displayfd), so groups running in parallel never
// meet; the server is stopped by its process id when the owner goes away.
#pragma once

#include <string>
#include <sys/types.h>

namespace e2e {

struct ScreenConfig {
    ScreenConfig() = default;
    ScreenConfig(int width_, int height_, int physical_dpi_ = 0)
        : width(width_), height(height_), physical_dpi(physical_dpi_) {}

    int width = 1280;
    int height = 1024;
    // The physical density the server reports; 0 keeps Xvfb's own.
    int physical_dpi = 0;

    friend bool operator==(const ScreenConfig&, const ScreenConfig&) = default;
};

class XvfbServer {
  public:
    // Throws std::runtime_error when Xvfb cannot be started.
    explicit XvfbServer(const ScreenConfig& screen);
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;
    ~XvfbServer();

    // The DISPLAY value for clients, e.g. ":3".
    const std::string& display_name() const { return display_name_; }
    const ScreenConfig& screen() const { return screen_; }
    // Ends the server now (SIGTERM, then SIGKILL if it lingers). Safe to call
    // more than once.
    void stop();

  private:
    ScreenConfig screen_;
    pid_t pid_ = -1;
    std::string display_name_;
};

} // namespace e2e
