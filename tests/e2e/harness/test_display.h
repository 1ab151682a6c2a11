// A private X server together with the tests' own connection to it.
#pragma once

#include "x_connection.h"
#include "xvfb_server.h"

namespace e2e {

class TestDisplay {
  public:
    explicit TestDisplay(const ScreenConfig& screen)
        : server_(screen), x_(server_.display_name()) {}

    const std::string& name() const { return server_.display_name(); }
    const ScreenConfig& screen() const { return server_.screen(); }
    XConnection& x() { return x_; }
    Display* get() const { return x_.get(); }
    // Takes the server away under any program still connected to it.
    void kill_server() {
        x_.close();
        server_.stop();
    }

  private:
    XvfbServer server_;
    XConnection x_;
};

} // namespace e2e
