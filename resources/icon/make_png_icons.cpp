// Writes the icon theme's PNG files from the icon file's 32-bit images, so
// the desktop shows pixel for pixel what the window shows:
// `brevon_make_png_icons <icon.ico> <output-dir>` writes <dir>/brevon-<N>.png
// for each 32-bit image of N x N pixels.
#include "forms/icon_file.h"
#include "png_writer.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: brevon_make_png_icons ICON.ico OUTPUT-DIR\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::vector<std::uint8_t> file{std::istreambuf_iterator<char>(in),
                                         std::istreambuf_iterator<char>()};
    const auto images = forms::decode_argb_icon_images(file);
    if (images.empty()) {
        std::fprintf(stderr, "brevon_make_png_icons: no 32-bit images in '%s'\n", argv[1]);
        return 1;
    }
    for (const auto& image : images) {
        const auto png = resources::icon::encode_png(image.width, image.height, image.argb);
        const std::string path =
            std::string(argv[2]) + "/brevon-" + std::to_string(image.width) + ".png";
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(png.data()),
                  static_cast<std::streamsize>(png.size()));
        out.close();
        if (!out) {
            std::fprintf(stderr, "brevon_make_png_icons: cannot write '%s'\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
