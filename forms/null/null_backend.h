// A backend with no display: it keeps each control's text and visibility,
// records every operation, fails the operation it is told to fail, and plays
// a script of user events when run. For testing the core and the handlers.
#pragma once

#include "forms/backend.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace forms::null {

struct ControlState {
    std::string text;
    bool visible = false;
};

class NullFormPeer final : public FormPeer {
  public:
    explicit NullFormPeer(const FormDescription& description);

    bool set_text(std::size_t control, Text text) override;
    bool get_text(std::size_t control, Text& text) override;
    bool set_visible(std::size_t control, bool visible) override;
    bool show() override;
    void run(EventSink& sink) override;

    // The operation ("set text", "get text", "set visibility", "show") that
    // fails from now on; empty for none.
    void fail_on(std::string operation) { failing_ = std::move(operation); }
    // Events that run() delivers, in order, before the window "closes".
    void script(std::vector<std::pair<std::size_t, Event>> events) { script_ = std::move(events); }

    const ControlState& control(std::size_t index) const { return controls_.at(index); }
    bool shown() const { return shown_; }
    // One line per operation, e.g. "set visibility dspMessage true".
    const std::vector<std::string>& calls() const { return calls_; }

  private:
    bool attempt(const std::string& operation, std::size_t control, std::string detail);

    const FormDescription& description_;
    std::vector<ControlState> controls_;
    std::vector<std::string> calls_;
    std::vector<std::pair<std::size_t, Event>> script_;
    std::string failing_;
    bool shown_ = false;
};

class NullBackend final : public Backend {
  public:
    std::unique_ptr<FormPeer> create_form(const FormDescription& description) override;

    // The last form built, for inspection; owned by whoever called create_form.
    NullFormPeer* last_form() const { return last_; }
    // A fault to inject into every form built from now on.
    void fail_on(std::string operation) { failing_ = std::move(operation); }

  private:
    NullFormPeer* last_ = nullptr;
    std::string failing_;
};

} // namespace forms::null
