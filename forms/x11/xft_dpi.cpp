#include "forms/x11/xft_dpi.h"

#include <charconv>

namespace forms::x11 {
namespace {

std::string_view trim_blanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::optional<double> parse_positive(std::string_view value) {
    double dpi = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), dpi);
    if (error != std::errc{} || end != value.data() + value.size())
        return std::nullopt;
    // Anything outside a sane range is a broken setting, not a density.
    if (!(dpi >= 24.0 && dpi <= 1200.0))
        return std::nullopt;
    return dpi;
}

} // namespace

std::optional<double> parse_xft_dpi(std::string_view resources) {
    std::optional<double> found;
    while (!resources.empty()) {
        const auto newline = resources.find('\n');
        std::string_view line = resources.substr(0, newline);
        resources =
            newline == std::string_view::npos ? std::string_view{} : resources.substr(newline + 1);
        const auto colon = line.find(':');
        if (colon == std::string_view::npos || trim_blanks(line.substr(0, colon)) != "Xft.dpi")
            continue;
        // A later entry overrides an earlier one, as in the resource manager.
        found = parse_positive(trim_blanks(line.substr(colon + 1)));
    }
    return found;
}

} // namespace forms::x11
