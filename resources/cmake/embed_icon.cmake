# Build step: writes a C++ source that holds the icon file's bytes and returns
# them from resources::program_icon_file(), so the program needs no file at
# run time. Usage: cmake -DINPUT=<brevon.ico> -DOUTPUT=<program_icon.cpp> -P embed_icon.cmake

file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
include("${CMAKE_CURRENT_LIST_DIR}/c_bytes.cmake")
c_bytes("${hex}" "    " bytes)

file(WRITE "${OUTPUT}.new" "// Generated at build time from brevon.ico by embed_icon.cmake; do not edit.
#include \"resources/program_icon.h\"

namespace resources {
namespace {

constexpr std::uint8_t icon_file[${size}] = {
    ${bytes}
};

} // namespace

std::span<const std::uint8_t> program_icon_file() { return icon_file; }

} // namespace resources
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
