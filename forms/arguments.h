// The argument text: everything after the program's name on its command line,
// as one text. The platform hands over a list, so the items are joined with
// single spaces and nothing else is changed.
#pragma once

#include <string>

namespace forms {

std::string join_arguments(int argc, const char* const* argv);

// Remembers the process's arguments; the text is formed only when asked for.
void set_process_arguments(int argc, const char* const* argv);

// The argument text of this process.
std::string argument_text();

} // namespace forms
