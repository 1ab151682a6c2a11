#include "app/end_program.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace app {

void end_program() {
    std::exit(EXIT_SUCCESS);
}

void end_with_error(std::string_view reason) {
    const std::string line = "brevon: " + std::string(reason) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::exit(EXIT_FAILURE);
}

} // namespace app
