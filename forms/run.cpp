// The program's whole life on the platform backend it was built with.
#include "forms/application.h"
#include "forms/arguments.h"

#include <exception>

namespace forms {

void run(const ProjectDescription& project, int argc, char** argv) {
    adopt_process_arguments(argc, argv);
    try {
        std::unique_ptr<Backend> backend = open_backend(project.exits.fail);
        Application application(project, *backend);
        application.start();
        application.run();
    } catch (const std::exception& error) {
        project.exits.fail(error.what());
    }
    // The last window is gone: the program is done.
    project.exits.end();
    std::terminate(); // exits.end never returns
}

} // namespace forms
