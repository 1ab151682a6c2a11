#include "app/project.h"

#include "app/end_program.h"
#include "ui/main_form.h"

namespace app {

const forms::ProjectDescription& project() {
    static const forms::ProjectDescription description{
        .startup_form = MainForm::description,
        .events = MainForm::events,
        .threading = forms::Threading::SingleThreaded,
        .exits = {.end = &end_program, .fail = &end_with_error},
    };
    return description;
}

} // namespace app
