// The display's logical density as desktops publish it: the Xft.dpi entry of
// the resource database string on the root window.
#pragma once

#include <optional>
#include <string_view>

namespace forms::x11 {

// Reads "Xft.dpi: <number>" from a resource database string; nothing when
// the entry is missing or is not a usable positive number.
std::optional<double> parse_xft_dpi(std::string_view resources);

} // namespace forms::x11
