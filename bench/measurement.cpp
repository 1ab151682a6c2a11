#include "bench/measurement.h"

#include "bench/child_process.h"
#include "bench/clock.h"

#include <fstream>
#include <stdexcept>
#include <sys/wait.h>

namespace bench {
namespace {

std::string first_line_of(const std::string& path) {
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    return line;
}

} // namespace

Measurement measure(XObserver& observer, const Program& program, const RunOptions& options) {
    Measurement result;
    observer.drain();
    try {
        ChildProcess child(options.launcher, program.arguments, program.environment,
                           options.stderr_path);
        const double start = child.start_ms();
        try {
            TopLevel top = observer.wait_mapped(child, start + options.map_timeout_ms);
            const Painted painted = observer.wait_painted(top, child, options.paint);
            result.created = top.created_ms > 0.0 ? top.created_ms - start : 0.0;
            result.mapped = top.mapped_ms - start;
            result.painted = painted.first_stable_frame_ms - start;
            result.settled = painted.settled;
            const double pressed = observer.press_enter(top);
            ExitReport report;
            if (!child.wait_exit(options.exit_timeout_ms, report)) {
                child.kill_and_reap();
                throw std::runtime_error("did not end on Enter");
            }
            result.enter_to_exit = report.exit_ms - pressed;
            result.peak_rss_mib = static_cast<double>(report.max_rss_kib) / 1024.0;
            result.exit_status = report.status;
            result.ok = true;
        } catch (const std::runtime_error& error) {
            const ExitReport report = child.kill_and_reap();
            result.failure = error.what();
            if (!WIFSIGNALED(report.status) || WTERMSIG(report.status) != 9)
                result.failure += " (" + describe_status(report.status) + ")";
            if (const auto line = first_line_of(options.stderr_path); !line.empty())
                result.failure += ": " + line;
        }
    } catch (const std::runtime_error& error) {
        result.failure = error.what();
    }
    observer.wait_no_windows(2000.0);
    return result;
}

} // namespace bench
