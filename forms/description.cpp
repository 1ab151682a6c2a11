#include "forms/description.h"

namespace forms {

std::string_view control_name(const ControlDescription& control) {
    return std::visit([](const auto& c) { return c.name; }, control);
}

Bounds control_bounds(const ControlDescription& control) {
    return std::visit([](const auto& c) { return c.bounds; }, control);
}

} // namespace forms
