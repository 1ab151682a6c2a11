#include "forms/x11/x11_form.h"

#include "forms/units.h"
#include "forms/x11/control_painter.h"
#include "forms/x11/screen_placement.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>

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

bool is_button(const ControlDescription& control) {
    return std::holds_alternative<ButtonDescription>(control);
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
    paint();
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
    canvas_->fill({0, 0, placement_.width, placement_.height},
                  system_color_rgb(SystemColor::ButtonFace));
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (controls_[i].visible)
            paint_control(controls_[i], i);
    }
    canvas_->present();
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

bool X11Form::handle(XEvent& event, EventSink& sink) {
    switch (event.type) {
    case Expose:
        if (event.xexpose.count == 0)
            canvas_->present();
        break;
    case KeyPress:
        on_key_press(event.xkey, sink);
        break;
    case KeyRelease:
        on_key_release(event.xkey, sink);
        break;
    case ButtonPress:
        on_button_press(event.xbutton);
        break;
    case MotionNotify:
        on_pointer_motion(event.xmotion);
        break;
    case ButtonRelease:
        on_button_release(event.xbutton, sink);
        break;
    case MappingNotify:
        XRefreshKeyboardMapping(&event.xmapping);
        break;
    case ClientMessage:
        // The window manager's close box, system menu or close key.
        if (event.xclient.message_type == connection_.atoms()[AtomName::WmProtocols] &&
            static_cast<::Atom>(event.xclient.data.l[0]) ==
                connection_.atoms()[AtomName::WmDeleteWindow])
            return false;
        break;
    case DestroyNotify:
        if (event.xdestroywindow.window == window_)
            connection_.fail("the window was destroyed by another program");
        break;
    default:
        break;
    }
    return true;
}

void X11Form::on_key_press(XKeyEvent& key, EventSink& sink) {
    const KeySym symbol = XLookupKeysym(&key, 0);
    if (symbol == XK_Return || symbol == XK_KP_Enter) {
        if (!default_button_)
            return;
        // The default button shows pressed for an instant, then fires.
        controls_[*default_button_].button.show_pressed();
        paint();
        XFlush(connection_.display());
        click(*default_button_, sink);
    } else if (symbol == XK_Escape) {
        if (cancel_button_)
            click(*cancel_button_, sink);
    } else if (symbol == XK_space && focused_ && is_button(*controls_[*focused_].description)) {
        controls_[*focused_].button.key_pressed();
        paint();
    }
}

void X11Form::on_key_release(XKeyEvent& key, EventSink& sink) {
    if (XLookupKeysym(&key, 0) != XK_space || !focused_ || is_auto_repeat(key))
        return;
    const bool clicked = controls_[*focused_].button.key_released();
    paint();
    if (clicked)
        click(*focused_, sink);
}

// A held key repeats as a release and a press with the same time stamp; the
// release is not the user letting go.
bool X11Form::is_auto_repeat(const XKeyEvent& release) {
    ::Display* display = connection_.display();
    if (XEventsQueued(display, QueuedAfterReading) == 0)
        return false;
    XEvent next;
    XPeekEvent(display, &next);
    return next.type == KeyPress && next.xkey.keycode == release.keycode &&
           next.xkey.time == release.time;
}

void X11Form::on_button_press(const XButtonEvent& press) {
    if (press.button != Button1 || pointer_target_)
        return;
    pointer_target_ = button_at(press.x, press.y);
    if (!pointer_target_)
        return;
    controls_[*pointer_target_].button.pointer_pressed();
    paint();
}

void X11Form::on_pointer_motion(const XMotionEvent& motion) {
    if (!pointer_target_)
        return;
    Control& control = controls_[*pointer_target_];
    const bool was_pressed = control.button.pressed();
    control.button.pointer_moved(control.bounds.contains(motion.x, motion.y));
    if (control.button.pressed() != was_pressed)
        paint();
}

void X11Form::on_button_release(const XButtonEvent& release, EventSink& sink) {
    if (release.button != Button1 || !pointer_target_)
        return;
    const std::size_t target = *pointer_target_;
    pointer_target_.reset();
    Control& control = controls_[target];
    const bool clicked =
        control.button.pointer_released(control.bounds.contains(release.x, release.y));
    paint();
    if (clicked)
        click(target, sink);
}

void X11Form::click(std::size_t control, EventSink& sink) {
    sink.fire(control, Event::Click);
    // The handler may have left the program running: show the button up.
    paint();
}

std::optional<std::size_t> X11Form::button_at(int x, int y) const {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const Control& control = controls_[i];
        if (control.visible && is_button(*control.description) && control.bounds.contains(x, y))
            return i;
    }
    return std::nullopt;
}

} // namespace forms::x11
