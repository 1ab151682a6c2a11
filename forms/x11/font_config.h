// Which fontconfig configuration fonts are matched in. Loading the system's
// configuration parses dozens of XML files and costs more than everything
// else the window does before it appears, so matching starts in a small
// configuration of our own that reads only the system's font directories
// through their caches. Only when that finds none of the wanted families
// does the system's whole configuration get loaded.
#pragma once

#include <X11/Xft/Xft.h>

#include <span>
#include <string_view>

namespace forms::x11 {

// Matches `requested` (whose family list is `families`, most wanted first)
// for the display, as XftFontMatch does. Returns a pattern for
// XftFontOpenPattern, or null when nothing matches.
FcPattern* match_font(::Display* display, int screen, FcPattern* requested,
                      std::span<const std::string_view> families);

} // namespace forms::x11
