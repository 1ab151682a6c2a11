// MainForm's stored description: the window and its two controls, every
// position and size in twips (15 twips make a pixel at 96 dpi).
#include "ui/main_form.h"

#include "resources/program_icon.h"

#include <array>

namespace {

using namespace forms;

constexpr FontDescription message_font{
    .face = "Arial", .size = 195, .weight = 400, .charset = 0}; // 9.75 pt regular
constexpr FontDescription button_font{
    .face = "Arial", .size = 285, .weight = 700, .charset = 0}; // 14.25 pt bold

constexpr std::array<ControlDescription, 2> controls{
    LabelDescription{
        .name = "dspMessage",
        .bounds = {.left = 120, .top = 0, .width = 5175, .height = 615},
        .back_color = Color{0x80000018}, // info background
        .border = BorderStyle::FixedSingle,
        .alignment = Alignment::Center,
        .font = message_font,
        .visible = false,
        .text = "",
        .tab_index = 0,
    },
    ButtonDescription{
        .name = "btnOK",
        .bounds = {.left = 1560, .top = 720, .width = 2295, .height = 615},
        .caption = "OK",
        .is_default = true,
        .is_cancel = false,
        .font = button_font,
        .tab_index = 1,
    },
};

constexpr std::array<EventBinding, 2> bindings{{
    {"MainForm", Event::Load, &MainForm::Load},
    {"btnOK", Event::Click, &MainForm::btnOK_Click},
}};

} // namespace

const FormDescription MainForm::description{
    .name = "MainForm",
    .border = BorderStyle::FixedSingle,
    .min_button = false,
    .max_button = false,
    .control_box = true,
    .caption = "",
    .scale = ScaleMode::Twip,
    .client_width = 5415,
    .client_height = 1410,
    .start_position = StartPosition::CenterScreen,
    .icon = resources::program_icon_file(),
    .font = message_font,
    .controls = controls,
};

const std::span<const EventBinding> MainForm::events = bindings;
