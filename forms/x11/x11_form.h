// A form as a real X11 window whose controls the backend draws itself:
// built hidden from its description, shown centred, and driven by the event
// loop, which gives keys and mouse their default handling and reports clicks.
#pragma once

#include "forms/backend.h"
#include "forms/push_button_state.h"
#include "forms/text/line_layout.h"
#include "forms/x11/canvas.h"
#include "forms/x11/connection.h"
#include "forms/x11/font.h"
#include "forms/x11/window_properties.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace forms::x11 {

class X11Form final : public FormPeer {
  public:
    X11Form(const Connection& connection, const FormDescription& description);
    X11Form(const X11Form&) = delete;
    X11Form& operator=(const X11Form&) = delete;
    ~X11Form() override;

    bool set_text(std::size_t control, Text text) override;
    bool get_text(std::size_t control, Text& text) override;
    bool set_visible(std::size_t control, bool visible) override;
    bool show() override;
    void run(EventSink& sink) override;

  private:
    struct Control {
        const ControlDescription* description;
        PixelRect bounds;
        Text text;
        bool visible;
        std::unique_ptr<Font> font; // opened when first painted
        std::optional<std::vector<LaidOutLine>> lines;
        PushButtonState button;
    };

    static std::vector<Control> build_controls(const FormDescription& description, double dpi);
    const Font& font_of(Control& control);
    const std::vector<LaidOutLine>& lines_of(Control& control);
    // Redraws the picture and puts it on screen.
    void paint();
    // Redraws the off-screen picture from the controls' state.
    void render();
    void paint_control(Control& control, std::size_t index);

    // Each returns false when the window has been closed.
    bool handle(XEvent& event, EventSink& sink);
    void on_key_press(XKeyEvent& key, EventSink& sink);
    void on_key_release(XKeyEvent& key, EventSink& sink);
    void on_button_press(const XButtonEvent& button);
    void on_pointer_motion(const XMotionEvent& motion);
    void on_button_release(const XButtonEvent& button, EventSink& sink);
    bool is_auto_repeat(const XKeyEvent& release);
    void click(std::size_t control, EventSink& sink);
    std::optional<std::size_t> button_at(int x, int y) const;

    const Connection& connection_;
    const FormDescription& description_;
    WindowPlacement placement_;
    std::vector<Control> controls_;
    std::optional<std::size_t> focused_;
    std::optional<std::size_t> default_button_;
    std::optional<std::size_t> cancel_button_;
    std::optional<std::size_t> pointer_target_;
    ::Window window_ = 0;
    std::unique_ptr<Canvas> canvas_;
    bool shown_ = false;
};

} // namespace forms::x11
