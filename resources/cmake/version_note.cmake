# Build step: writes a C++ source that defines the ELF note carrying the
# version block, made from resources/version.txt.
# Usage: cmake -DOUTPUT=<version_note.cpp> -P version_note.cmake
#
# The note is named "Brevon" and lives in its own section ".note.brevon", so
# `readelf --notes`, `readelf -p .note.brevon` and `objcopy --dump-section`
# find it. Its description is the version block in the same neutral form as
# version.txt: "[section]" and "Key=Value" strings, each ending in a NUL, in
# file order; comments and blank lines are left out.

cmake_minimum_required(VERSION 3.20)
include("${CMAKE_CURRENT_LIST_DIR}/../../cmake/read_version.cmake")

set(entries "")
set(n 0)
foreach(section IN LISTS _brevon_version_SECTIONS)
  list(APPEND entries "[${section}]")
  foreach(key IN LISTS _brevon_version_KEYS_${n})
    list(APPEND entries "${key}=${_brevon_version_VALUE_${n}_${key}}")
  endforeach()
  math(EXPR n "${n} + 1")
endforeach()

set(hex "")
foreach(entry IN LISTS entries)
  string(HEX "${entry}" entry_hex)
  string(APPEND hex "${entry_hex}00")
endforeach()
string(LENGTH "${hex}" hex_length)
math(EXPR desc_size "${hex_length} / 2")
# The description is padded to a multiple of four bytes.
math(EXPR padded_size "(${desc_size} + 3) / 4 * 4")
include("${CMAKE_CURRENT_LIST_DIR}/c_bytes.cmake")
c_bytes("${hex}" "        " bytes)

file(WRITE "${OUTPUT}.new" "// Generated at build time from version.txt by version_note.cmake; do not edit.
#include <cstdint>

namespace resources {

// An ELF note: name size, description size, type, then the name and the
// description, each padded to four bytes.
struct VersionNote {
    std::uint32_t name_size;
    std::uint32_t desc_size;
    std::uint32_t type;
    char name[8];
    unsigned char desc[${padded_size}];
};

} // namespace resources

// \"used\" keeps the compiler from dropping it; the library's link option
// --undefined=brevon_version_note makes the linker take this object into
// every program that links the library.
extern \"C\" const resources::VersionNote brevon_version_note
    __attribute__((used, section(\".note.brevon\"), aligned(4))) = {
        sizeof(\"Brevon\"),
        ${desc_size},
        1, // the owner's note type 1: the version block
        \"Brevon\",
        {${bytes}},
};
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
