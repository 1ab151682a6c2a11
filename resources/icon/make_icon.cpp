// Writes the program icon file: `brevon_make_icon <output.ico>`. The output
// is committed as resources/brevon.ico; a test runs this again and compares
// the two byte for byte.
#include "icon_encoder.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: brevon_make_icon OUTPUT.ico\n");
        return 2;
    }
    const auto bytes = resources::icon::encode_program_icon();
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "brevon_make_icon: cannot write '%s'\n", argv[1]);
        return 1;
    }
    return 0;
}
