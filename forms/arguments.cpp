#include "forms/arguments.h"

#include <cstring>

namespace forms {
namespace {

int process_argc = 0;
const char* const* process_argv = nullptr;
char** adopted_argv = nullptr;
std::optional<std::string_view> joined_in_place;

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

std::optional<std::string_view> join_arguments_in_place(int argc, char** argv) {
    if (argc < 2)
        return std::string_view{};
    for (int i = 1; i + 1 < argc; ++i) {
        if (argv[i + 1] != argv[i] + std::strlen(argv[i]) + 1)
            return std::nullopt;
    }
    const char* end = argv[argc - 1] + std::strlen(argv[argc - 1]);
    for (int i = 2; i < argc; ++i)
        argv[i][-1] = ' ';
    return std::string_view(argv[1], static_cast<std::size_t>(end - argv[1]));
}

void set_process_arguments(int argc, const char* const* argv) {
    process_argc = argc;
    process_argv = argv;
    adopted_argv = nullptr;
    joined_in_place.reset();
}

void adopt_process_arguments(int argc, char** argv) {
    set_process_arguments(argc, argv);
    adopted_argv = argv;
}

Text argument_text() {
    if (!joined_in_place && adopted_argv)
        joined_in_place = join_arguments_in_place(process_argc, adopted_argv);
    // The process's arguments last as long as the process.
    if (joined_in_place)
        return Text::lasting(*joined_in_place);
    return Text(join_arguments(process_argc, process_argv));
}

} // namespace forms
