// brevon-snap: waits for a brevon window on an X display, saves it as a PNG
// once it is painted, and can then acknowledge it with Enter. The run script
// uses it to show the window on a private X server; the pictures in docs/
// are made with it too.
#include "harness/image.h"
#include "harness/limits.h"
#include "harness/window_lookup.h"
#include "harness/x_connection.h"
#include "harness/xtest_input.h"
#include "tools/png_writer.h"

#include <X11/keysym.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view usage =
    "usage: brevon-snap [--display NAME] [--pid PID] [--margin N] [--screen] [--enter]\n"
    "                   [--timeout SECONDS] OUTPUT.png\n"
    "       brevon-snap --probe [--display NAME]\n"
    "Saves the brevon window as a PNG once it is painted.\n"
    "  --pid PID    the window of this process (default: the first brevon window)\n"
    "  --margin N   include N pixels of the screen around the window\n"
    "  --screen     save the whole screen\n"
    "  --enter      press Enter in the window afterwards\n"
    "  --probe      only tell (by the exit status) whether the display can be opened\n";

struct Options {
    std::string display;
    std::optional<long> pid;
    int margin = 0;
    bool screen = false;
    bool enter = false;
    bool probe = false;
    int timeout_seconds = 10;
    std::string output;
};

std::optional<Options> parse(int argc, char** argv) {
    Options options;
    if (const char* display = std::getenv("DISPLAY")) {
        options.display = display;
    }
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool has_value = i + 1 < argc;
        if (arg == "--display" && has_value) {
            options.display = argv[++i];
        } else if (arg == "--pid" && has_value) {
            options.pid = std::strtol(argv[++i], nullptr, 10);
        } else if (arg == "--margin" && has_value) {
            options.margin = std::atoi(argv[++i]);
        } else if (arg == "--timeout" && has_value) {
            options.timeout_seconds = std::atoi(argv[++i]);
        } else if (arg == "--screen") {
            options.screen = true;
        } else if (arg == "--enter") {
            options.enter = true;
        } else if (arg == "--probe") {
            options.probe = true;
        } else if (!arg.starts_with("-") && options.output.empty()) {
            options.output = arg;
        } else {
            return std::nullopt;
        }
    }
    if (options.output.empty() && !options.probe) {
        return std::nullopt;
    }
    return options;
}

int snap(const Options& options) {
    e2e::XConnection x(options.display);
    Display* display = x.get();
    const auto limit = std::chrono::seconds(options.timeout_seconds);
    const auto window = e2e::wait_for_window(
        [&] {
            return options.pid ? e2e::find_window_by_pid(display, static_cast<pid_t>(*options.pid))
                               : e2e::find_window_by_class(display, "brevon");
        },
        [] { return true; }, limit);
    if (!window || !e2e::wait_until_viewable(display, *window, limit)) {
        std::cerr << "brevon-snap: no brevon window on " << options.display << "\n";
        return 1;
    }
    auto image = e2e::grab_steady(display, *window, e2e::is_dark(), limit);
    const auto area = e2e::area_on_root(display, *window);
    if (image && area && (options.screen || options.margin > 0)) {
        const e2e::Rect around =
            options.screen
                ? e2e::Rect{0, 0, x.screen_width(), x.screen_height()}
                : e2e::Rect{area->x - options.margin, area->y - options.margin,
                            area->width + 2 * options.margin, area->height + 2 * options.margin};
        // Keep to the screen: the server refuses to read beyond it.
        const int left = std::max(around.x, 0);
        const int top = std::max(around.y, 0);
        const int right = std::min(around.right(), x.screen_width());
        const int bottom = std::min(around.bottom(), x.screen_height());
        image = e2e::grab(display, x.root(), {left, top, right - left, bottom - top});
    }
    if (!image) {
        std::cerr << "brevon-snap: the window was not painted in time\n";
        return 1;
    }
    e2e::write_png(*image, options.output);
    if (options.enter) {
        e2e::give_focus(display, *window);
        e2e::tap_key(display, XK_Return);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const auto options = parse(argc, argv);
    if (!options) {
        std::cerr << usage;
        return 2;
    }
    try {
        if (options->probe) {
            e2e::XConnection x(options->display);
            return 0;
        }
        return snap(*options);
    } catch (const std::exception& error) {
        std::cerr << "brevon-snap: " << error.what() << "\n";
        return 1;
    }
}
