#include "forms/application.h"

#include "forms/error.h"

#include <exception>
#include <string>

namespace forms {

Application::Application(const ProjectDescription& project, Backend& backend)
    : project_(project), backend_(backend) {}

void Application::start() {
    const FormDescription& description = project_.startup_form;
    peer_ = backend_.create_form(description);
    form_.emplace(description, *peer_);
    dispatch(description.name, Event::Load);
    if (!peer_->show())
        throw Error(description.name, "show");
}

void Application::run() {
    peer_->run(*this);
}

void Application::fire(std::size_t control, Event event) {
    dispatch(control_name(form_->description().controls[control]), event);
}

// A handler's error is not caught by the program, so it ends here through
// the fatal path, naming the handler it came from.
void Application::dispatch(std::string_view object, Event event) {
    for (const EventBinding& binding : project_.events) {
        if (binding.object != object || binding.event != event)
            continue;
        try {
            binding.handler(FormRef(*form_));
        } catch (const std::exception& error) {
            const char* event_name = event == Event::Load ? "Load" : "Click";
            project_.exits.fail(std::string(error.what()) + " (in " + std::string(object) + " " +
                                event_name + ")");
        }
    }
}

} // namespace forms
