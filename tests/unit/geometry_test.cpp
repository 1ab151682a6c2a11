// Twips to pixels at the densities desktops use, and reading the density
// from the resource database string.
#include "forms/units.h"
#include "forms/x11/xft_dpi.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct Conversion {
    forms::Twips twips;
    double dpi;
    int pixels;
};

TEST(TwipsToPixels, GivesWholePixelsAtEachDensity) {
    const Conversion cases[] = {
        {5415, 96, 361},  {1410, 96, 94}, {120, 96, 8},    {5175, 96, 345},  {615, 96, 41},
        {1560, 96, 104},  {720, 96, 48},  {2295, 96, 153}, {5415, 192, 722}, {1410, 192, 188},
        {5415, 120, 451}, {7, 96, 0},     {8, 96, 1},      {5415, 144, 542}, {0, 96, 0},
    };
    for (const Conversion& c : cases) {
        EXPECT_EQ(forms::twips_to_pixels(c.twips, c.dpi), c.pixels)
            << c.twips << " twips at " << c.dpi << " dpi";
    }
}

TEST(TwipsToPixelSize, GivesTheFontSizesOfTheWindow) {
    EXPECT_DOUBLE_EQ(forms::twips_to_pixel_size(195, 96), 13.0);
    EXPECT_DOUBLE_EQ(forms::twips_to_pixel_size(285, 96), 19.0);
    EXPECT_DOUBLE_EQ(forms::twips_to_pixel_size(285, 192), 38.0);
}

TEST(XftDpi, IsReadFromTheResourceString) {
    struct Case {
        const char* resources;
        std::optional<double> dpi;
    };
    const Case cases[] = {
        {"", std::nullopt},
        {"Xft.dpi:\t192\n", 192.0},
        {"Xft.antialias:\t1\nXft.dpi:  120  \nXft.hinting:\t1\n", 120.0},
        {"Xft.dpi:\t96.5", 96.5},
        {"Xft.dpi:\tninety\n", std::nullopt},
        {"Xft.dpi:\t-5\n", std::nullopt},
        {"Xft.dpi:\t0\n", std::nullopt},
        {"Xft.dpix:\t200\n", std::nullopt},
        {"*dpi:\t200\n", std::nullopt},
        {"Xft.dpi:\t144\nXft.dpi:\t192\n", 192.0},
        {"Xft.dpi:\t192\r\n", 192.0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(forms::x11::parse_xft_dpi(c.resources), c.dpi) << c.resources;
}

} // namespace
