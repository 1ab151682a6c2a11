// The stored description of a window and its controls: plain constant data
// from which a backend builds the real window. Every position and size is in
// twips, measured from the top-left corner of the window's client area.
#pragma once

#include "forms/color.h"
#include "forms/units.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

namespace forms {

enum class BorderStyle { None, FixedSingle };
enum class Alignment { Left, Right, Center };
enum class StartPosition { Manual, CenterScreen };
enum class ScaleMode { Twip };

struct FontDescription {
    std::string_view face;
    Twips size;      // 9.75 pt is 195 twips
    int weight;      // 400 regular, 700 bold
    int charset = 0; // 0 is ANSI
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
};

struct Bounds {
    Twips left;
    Twips top;
    Twips width;
    Twips height;
};

struct LabelDescription {
    std::string_view name;
    Bounds bounds;
    Color back_color;
    BorderStyle border;
    Alignment alignment;
    FontDescription font;
    bool visible;
    std::string_view text;
    int tab_index;
};

struct ButtonDescription {
    std::string_view name;
    Bounds bounds;
    std::string_view caption;
    bool is_default; // Enter anywhere in the window clicks it
    bool is_cancel;  // Escape anywhere in the window clicks it
    FontDescription font;
    int tab_index;
};

using ControlDescription = std::variant<LabelDescription, ButtonDescription>;

struct FormDescription {
    std::string_view name;
    BorderStyle border;
    bool min_button;
    bool max_button;
    bool control_box; // system menu and close box
    std::string_view caption;
    ScaleMode scale;
    Twips client_width;
    Twips client_height;
    StartPosition start_position;
    std::span<const std::uint8_t> icon; // an icon file; empty for none
    FontDescription font;
    std::span<const ControlDescription> controls;
};

std::string_view control_name(const ControlDescription& control);
Bounds control_bounds(const ControlDescription& control);

} // namespace forms
