// The project description and the start-up order: build the start-up form
// hidden, run its Load handler, show it, then run the event loop. Handlers
// are bound by object name and event; every other event gets the backend's
// default handling.
#pragma once

#include "forms/backend.h"
#include "forms/description.h"
#include "forms/form.h"

#include <memory>
#include <optional>
#include <span>
#include <string_view>

namespace forms {

using Handler = void (*)(FormRef form);

struct EventBinding {
    std::string_view object; // the form's name or one of its controls'
    Event event;
    Handler handler;
};

enum class Threading { SingleThreaded };

// How the process ends. Neither function returns.
struct ExitPaths {
    void (*end)();     // the user is done: normal end
    FatalHandler fail; // an unhandled error or a lost display
};

struct ProjectDescription {
    const FormDescription& startup_form;
    std::span<const EventBinding> events;
    Threading threading;
    ExitPaths exits;
};

// Runs one project on one backend.
class Application final : private EventSink {
  public:
    Application(const ProjectDescription& project, Backend& backend);

    // Builds the start-up form hidden, runs its Load handler, shows it.
    // Throws Error when the window cannot be built or shown.
    void start();
    // Handles events until the window is closed.
    void run();

    const FormCore& form() const { return *form_; }

  private:
    void fire(std::size_t control, Event event) override;
    void dispatch(std::string_view object, Event event);

    const ProjectDescription& project_;
    Backend& backend_;
    std::unique_ptr<FormPeer> peer_;
    std::optional<FormCore> form_;
};

// The whole life of the program: opens the platform backend, starts the
// project and runs it. Never returns; every way out goes through
// project.exits.
[[noreturn]] void run(const ProjectDescription& project, int argc, char** argv);

} // namespace forms
