// The one place where the program ends.
#pragma once

#include <string_view>

namespace app {

// Ends the program at once with the ordinary status for a normal end. The
// window goes with the process.
[[noreturn]] void end_program();

// Ends the program after an error nothing handled: one "brevon: " line on
// standard error, then a failure status.
[[noreturn]] void end_with_error(std::string_view reason);

} // namespace app
