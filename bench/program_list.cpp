#include "bench/program_list.h"

#include <array>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string_view>

namespace bench {
namespace {

std::vector<std::string> split(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream stream(line);
    while (std::getline(stream, field, separator))
        fields.push_back(field);
    return fields;
}

// Well under the kernel's MAX_ARG_STRLEN (32 pages, 128 KiB).
constexpr std::size_t max_argument_bytes = 100 * 1024;

void add_argument(std::vector<std::string>& arguments, const std::string& field) {
    constexpr std::string_view words_prefix = "@words:";
    if (field.starts_with(words_prefix)) {
        const auto bytes = std::stoul(field.substr(words_prefix.size()));
        for (auto& part : words_as_arguments(bytes, max_argument_bytes))
            arguments.push_back(std::move(part));
        return;
    }
    arguments.push_back(field);
}

} // namespace

std::vector<std::string> words_as_arguments(std::size_t bytes, std::size_t max_argument) {
    // Words of several lengths so line breaking has real work to do.
    static constexpr std::array<std::string_view, 12> words = {
        "backup", "finished", "at", "the",     "nightly", "archive",
        "was",    "written",  "to", "storage", "and",     "verified"};
    std::vector<std::string> arguments;
    std::string current;
    std::size_t total = 0; // bytes of text, counting the spaces that join words and arguments
    for (std::size_t i = 0; total < bytes; ++i) {
        const std::string_view word = words[i % words.size()];
        total += i == 0 ? word.size() : word.size() + 1;
        if (!current.empty() && current.size() + 1 + word.size() > max_argument) {
            arguments.push_back(std::move(current));
            current.clear();
        }
        if (!current.empty())
            current += ' ';
        current += word;
    }
    if (!current.empty())
        arguments.push_back(std::move(current));
    return arguments;
}

ProgramList read_program_list(const std::string& path) {
    std::ifstream file(path);
    if (!file)
        throw std::runtime_error("cannot read the program list '" + path + "'");
    ProgramList list;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line.front() == '#')
            continue;
        const auto fields = split(line, '\t');
        const std::string& kind = fields.front();
        if (kind == "run" && fields.size() >= 4) {
            Program program{.label = fields[1], .environment = {}, .arguments = {}, .missing = {}};
            if (fields[2] != "-")
                program.environment = split(fields[2], ' ');
            for (std::size_t i = 3; i < fields.size(); ++i)
                add_argument(program.arguments, fields[i]);
            list.programs.push_back(std::move(program));
        } else if (kind == "missing" && fields.size() >= 3) {
            list.programs.push_back(
                {.label = fields[1], .environment = {}, .arguments = {}, .missing = fields[2]});
        } else if (kind == "ratio" && fields.size() >= 3) {
            list.ratios.push_back({.numerator = fields[1], .denominator = fields[2]});
        } else {
            throw std::runtime_error("cannot read this line of '" + path + "': " + line);
        }
    }
    return list;
}

} // namespace bench
