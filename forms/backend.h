// The seam between the toolkit's core and a platform backend. A backend
// builds a real window and its controls from a description, carries out the
// few operations that handlers use, and reports what the user does.
// Controls are addressed by their position in the description.
#pragma once

#include "forms/description.h"
#include "forms/text.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace forms {

enum class Event { Load, Click };

class EventSink {
  public:
    virtual void fire(std::size_t control, Event event) = 0;

  protected:
    ~EventSink() = default;
};

// One real window. The operations report success (true) or failure (false);
// the core turns a failure into an Error naming the control.
class FormPeer {
  public:
    virtual ~FormPeer() = default;
    [[nodiscard]] virtual bool set_text(std::size_t control, Text text) = 0;
    [[nodiscard]] virtual bool get_text(std::size_t control, Text& text) = 0;
    [[nodiscard]] virtual bool set_visible(std::size_t control, bool visible) = 0;
    // Puts the window on screen at its start position with the focus on the
    // first control in tab order that takes focus.
    [[nodiscard]] virtual bool show() = 0;
    // Waits for and handles events until the user closes the window.
    virtual void run(EventSink& sink) = 0;
};

class Backend {
  public:
    virtual ~Backend() = default;
    // Throws Error when the window cannot be built.
    virtual std::unique_ptr<FormPeer> create_form(const FormDescription& description) = 0;
};

// Never returns: prints the reason and ends the process with a failure.
using FatalHandler = void (*)(std::string_view reason);

// Opens the platform backend linked into the program; throws Error naming
// what could not be reached. Fatal conditions found later (a lost display)
// end through on_fatal.
std::unique_ptr<Backend> open_backend(FatalHandler on_fatal);

} // namespace forms
