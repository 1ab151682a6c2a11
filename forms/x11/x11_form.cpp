// A form's window: built from its description, changed by the operations
// that handlers use, and painted from the controls' state.
#include "forms/x11/x11_form.h"

#include "forms/units.h"
#include "forms/x11/control_painter.h"
#include "forms/x11/screen_placement.h"

#include <algorithm>
#include <climits>
#include <variant>

namespace forms::x11 {
namespace {

constexpr long window_events = ExposureMask | KeyPressMask | KeyReleaseMask | ButtonPressMask |
                               ButtonReleaseMask | ButtonMotionMask | StructureNotifyMask;

PixelRect to_pixels(const Bounds& bounds, double dpi) {
    return {twips_to_pixels(bounds.left, dpi), twips_to_pixels(bounds.top, dpi),
            twips_to_pixels(bounds.width, dpi), twips_to_pixels(bounds.height, dpi)};
}

const FontDescription& font_description(const ControlDescription& control) {
    return std::visit([](const auto& c) -> const FontDescription& { return c.font; }, control);
}

// The control that has the focus when the window appears: the first in tab
// order that can take it. Labels never do.
std::optional<std::size_t> first_focusable(std::span<const ControlDescription> controls) {
    std::optional<std::size_t> first;
    int lowest = INT_MAX;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const auto* button = std::get_if<ButtonDescription>(&controls[i]);
        if (button && button->tab_index < lowest) {
            lowest = button->tab_index;
            first = i;
        }
    }
    return first;
}

std::optional<std::size_t> find_button(std::span<const ControlDescription> controls,
                                       bool ButtonDescription::*role) {
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const auto* button = std::get_if<ButtonDescription>(&controls[i]);
        if (button && button->*role)
            return i;
    }
    return std::nullopt;
}

::Window create_window(const Connection& connection, const WindowPlacement& placement) {
    XSetWindowAttributes attributes{};
    // No background: the server leaves exposed areas alone and every pixel
    // comes from one copy of the finished picture, so nothing flickers.
    attributes.background_pixmap = None;
    attributes.bit_gravity = NorthWestGravity;
    attributes.event_mask = window_events;
    const ::Window window =
        XCreateWindow(connection.display(), connection.root(), placement.x, placement.y,
                      static_cast<unsigned>(placement.width),
                      static_cast<unsigned>(placement.height), 0, CopyFromParent, InputOutput,
                      CopyFromParent, CWBackPixmap | CWBitGravity | CWEventMask, &attributes);
    if (!window)
        throw std::runtime_error("cannot create the window");
    return window;
}

} // namespace

X11Form::X11Form(const Connection& connection, const FormDescription& description)
    : connection_(connection), description_(description),
      placement_(centred_on_screen(connection,
                                   twips_to_pixels(description.client_width, connection.dpi()),
                                   twips_to_pixels(description.client_height, connection.dpi()))),
      controls_(build_controls(description, connection.dpi())),
      focused_(first_focusable(description.controls)),
      default_button_(find_button(description.controls, &ButtonDescription::is_default)),
      cancel_button_(find_button(description.controls, &ButtonDescription::is_cancel)),
      window_(create_window(connection, placement_)) {
    try {
        set_window_properties(connection, window_, description, placement_);
        canvas_ =
            std::make_unique<Canvas>(connection, window_, placement_.width, placement_.height);
    } catch (...) {
        XDestroyWindow(connection.display(), window_);
        throw;
    }
}

X11Form::~X11Form() {
    canvas_.reset();
    for (Control& control : controls_)
        control.font.reset();
    XDestroyWindow(connection_.display(), window_);
}

std::vector<X11Form::Control> X11Form::build_controls(const FormDescription& description,
                                                      double dpi) {
    std::vector<Control> controls;
    controls.reserve(description.controls.size());
    for (const ControlDescription& control : description.controls) {
        Control built{&control, to_pixels(control_bounds(control), dpi), {}, true, {}, {}, {}};
        if (const auto* label = std::get_if<LabelDescription>(&control)) {
            built.text = std::string(label->text);
            built.visible = label->visible;
        } else {
            built.text = std::string(std::get<ButtonDescription>(control).caption);
        }
        controls.push_back(std::move(built));
    }
    return controls;
}

bool X11Form::set_text(std::size_t index, Text text) {
    if (index >= controls_.size())
        return false;
    Control& control = controls_[index];
    control.text = std::move(text);
    control.lines.reset();
    paint();
    return true;
}

bool X11Form::get_text(std::size_t index, Text& text) {
    if (index >= controls_.size())
        return false;
    text = controls_[index].text;
    return true;
}

bool X11Form::set_visible(std::size_t index, bool visible) {
    if (index >= controls_.size())
        return false;
    controls_[index].visible = visible;
    paint();
    return true;
}

bool X11Form::show() {
    shown_ = true;
    // The first Expose copies the picture to the window once it is mapped.
    render();
    XMapWindow(connection_.display(), window_);
    XFlush(connection_.display());
    return true;
}

void X11Form::run(EventSink& sink) {
    XEvent event;
    do {
        XNextEvent(connection_.display(), &event);
    } while (handle(event, sink));
}

const Font& X11Form::font_of(Control& control) {
    if (!control.font) {
        control.font =
            std::make_unique<Font>(connection_.display(), connection_.screen(),
                                   font_description(*control.description), connection_.dpi());
    }
    return *control.font;
}

const std::vector<LaidOutLine>& X11Form::lines_of(Control& control) {
    if (!control.lines) {
        const Font& font = font_of(control);
        if (const auto* label = std::get_if<LabelDescription>(control.description)) {
            control.lines = layout_label_text(control.text.view(),
                                              label_text_area(*label, control.bounds), font);
        } else {
            control.lines = layout_lines(control.text.view(), INT_MAX, 1,
                                         [&font](char32_t c) { return font.advance(c); });
        }
    }
    return *control.lines;
}

// Nothing is painted before the window is shown: Load may still change what
// the controls hold, and the first paint is then the only one.
void X11Form::paint() {
    if (!shown_)
        return;
    render();
    canvas_->present();
}

void X11Form::render() {
    canvas_->fill({0, 0, placement_.width, placement_.height},
                  system_color_rgb(SystemColor::ButtonFace));
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (controls_[i].visible)
            paint_control(controls_[i], i);
    }
}

void X11Form::paint_control(Control& control, std::size_t index) {
    const Font& font = font_of(control);
    const std::vector<LaidOutLine>& lines = lines_of(control);
    if (const auto* label = std::get_if<LabelDescription>(control.description)) {
        paint_label(*canvas_, *label, control.bounds, font, lines);
        return;
    }
    static const LaidOutLine no_caption{U"", 0};
    paint_button(*canvas_, std::get<ButtonDescription>(*control.description), control.bounds, font,
                 lines.empty() ? no_caption : lines.front(),
                 {control.button.pressed(), focused_ == index});
}

} // namespace forms::x11
