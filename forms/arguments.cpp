#include "forms/arguments.h"

#include <cstring>

namespace forms {
namespace {

int process_argc = 0;
const char* const* process_argv = nullptr;

} // namespace

std::string join_arguments(int argc, const char* const* argv) {
    std::size_t size = 0;
    for (int i = 1; i < argc; ++i)
        size += std::strlen(argv[i]) + 1;
    std::string text;
    text.reserve(size);
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            text += ' ';
        text += argv[i];
    }
    return text;
}

void set_process_arguments(int argc, const char* const* argv) {
    process_argc = argc;
    process_argv = argv;
}

std::string argument_text() {
    return join_arguments(process_argc, process_argv);
}

} // namespace forms
