// The argument text: everything after the program's name on its command line,
// as one text. The platform hands over a list, so the items are joined with
// single spaces and nothing else is changed.
#pragma once

#include "forms/text.h"

#include <optional>
#include <string>
#include <string_view>

namespace forms {

std::string join_arguments(int argc, const char* const* argv);

// Joins the arguments where they lie when the strings follow one another in
// memory, as the system lays them out for a new process: the NULs between
// them become spaces and the result refers to them, so even a megabyte of
// arguments is never copied. Nothing when they do not follow one another.
std::optional<std::string_view> join_arguments_in_place(int argc, char** argv);

// Remembers arguments to be joined into a copy when asked for.
void set_process_arguments(int argc, const char* const* argv);

// Remembers the process's own arguments, which may be joined in place.
void adopt_process_arguments(int argc, char** argv);

// The argument text, formed the first time it is asked for.
Text argument_text();

} // namespace forms
