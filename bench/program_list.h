// The list of programs to measure, read from a tab-separated file so the
// script decides what is installed and how each program is called.
#pragma once

#include <string>
#include <vector>

namespace bench {

// One program to run: a label for the table, extra environment entries and
// the command line.
struct Program {
    std::string label;
    std::vector<std::string> environment; // KEY=VALUE entries added to the bench's own
    std::vector<std::string> arguments;   // argv, the first one looked up in PATH
    std::string missing;                  // why it cannot be measured, when it cannot
};

// Two programs whose medians are compared in the ratio table.
struct Ratio {
    std::string numerator;
    std::string denominator;
};

struct ProgramList {
    std::vector<Program> programs;
    std::vector<Ratio> ratios;
};

// Lines, fields separated by tabs, '#' starts a comment line:
//   run <label> <KEY=VALUE ...|-> <argv0> <argv1> ...
//   missing <label> <reason>
//   ratio <numerator label> <denominator label>
// An argument "@words:N" becomes N bytes of words, split over as many
// arguments as the kernel's 128 KiB limit on one argument needs.
ProgramList read_program_list(const std::string& path);

// N bytes of space-separated words, cut into arguments of at most
// max_argument bytes each at word boundaries.
std::vector<std::string> words_as_arguments(std::size_t bytes, std::size_t max_argument);

} // namespace bench
