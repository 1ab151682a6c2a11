// The benchmark's markdown report: the machine, one row per program with
// median, min and max of each figure, and the ratios of medians asked for.
#pragma once

#include "bench/measurement.h"
#include "bench/program_list.h"

#include <string>
#include <vector>

namespace bench {

struct ProgramResults {
    const Program* program = nullptr;
    std::vector<Measurement> runs;
};

struct ReportContext {
    std::string machine; // cores, CPU model, kernel
    std::string server;  // the X server's vendor, release and screen
    std::string load;    // the load average before and after: how quiet the machine was
    int runs = 0;
    PaintOptions paint;
};

std::string markdown_report(const ReportContext& context,
                            const std::vector<ProgramResults>& results,
                            const std::vector<Ratio>& ratios);

// Every run as a CSV line, for a closer look than the table gives.
std::string csv_runs(const std::vector<ProgramResults>& results);

// "2 cores, Intel(R) Xeon(R) ..., Linux 6.1"
std::string describe_machine();

// The 1-minute load average, "0.42".
std::string load_average();

} // namespace bench
