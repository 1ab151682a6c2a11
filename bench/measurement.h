// One run of one program, and what the benchmark does to get it.
#pragma once

#include "bench/program_list.h"
#include "bench/x_observer.h"

#include <string>

namespace bench {

// Times are milliseconds from just before the program is started, except
// enter_to_exit, which counts from the Enter key press.
struct Measurement {
    bool ok = false;
    std::string failure;  // why the run gave no figures
    double created = 0.0; // top-level window created (0 when not seen)
    double mapped = 0.0;  // top-level window mapped
    double painted = 0.0; // first read of the window's final pixels
    bool settled = true;  // the pixels stopped changing before the timeout
    double enter_to_exit = 0.0;
    double peak_rss_mib = 0.0;
    int exit_status = 0; // the wait status
};

struct RunOptions {
    PaintOptions paint;
    double map_timeout_ms = 15000.0;
    double exit_timeout_ms = 5000.0;
    std::string stderr_path = "/tmp/brevon-bench-stderr.txt";
    std::string launcher; // bench_launch, beside brevon_bench
};

// Starts the program, waits for its window, reads it until painted, types
// Enter and waits for the exit.
Measurement measure(XObserver& observer, const Program& program, const RunOptions& options);

} // namespace bench
