#include "bench/report.h"

#include "bench/child_process.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <unistd.h>

namespace bench {
namespace {

struct Summary {
    double median = 0.0;
    double min = 0.0;
    double max = 0.0;
};

using Figure = std::function<double(const Measurement&)>;

struct Column {
    const char* heading;
    Figure figure;
};

const std::vector<Column>& columns() {
    static const std::vector<Column> all = {
        {"mapped (ms)", [](const Measurement& m) { return m.mapped; }},
        {"painted (ms)", [](const Measurement& m) { return m.painted; }},
        {"Enter→exit (ms)", [](const Measurement& m) { return m.enter_to_exit; }},
        {"peak RSS (MiB)", [](const Measurement& m) { return m.peak_rss_mib; }},
    };
    return all;
}

std::vector<const Measurement*> good_runs(const ProgramResults& results) {
    std::vector<const Measurement*> good;
    for (const auto& run : results.runs)
        if (run.ok)
            good.push_back(&run);
    return good;
}

std::optional<Summary> summarise(const ProgramResults& results, const Figure& figure) {
    std::vector<double> values;
    for (const auto* run : good_runs(results))
        values.push_back(figure(*run));
    if (values.empty())
        return std::nullopt;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
    return Summary{median, values.front(), values.back()};
}

std::string format(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

std::string summary_cell(const std::optional<Summary>& summary) {
    if (!summary)
        return "–";
    return format("**%.1f**", summary->median) + format(" (%.1f–", summary->min) +
           format("%.1f)", summary->max);
}

// Failures and oddities, counted by kind: "2× did not end on Enter".
std::string notes(const ProgramResults& results) {
    if (!results.program->missing.empty())
        return "not measured: " + results.program->missing;
    std::map<std::string, int> counts;
    for (const auto& run : results.runs) {
        if (!run.ok)
            ++counts[run.failure];
        else if (!run.settled)
            ++counts["pixels still changing at the timeout"];
        else if (!WIFEXITED(run.exit_status) || WEXITSTATUS(run.exit_status) != 0)
            ++counts[describe_status(run.exit_status)];
    }
    std::string text;
    for (const auto& [what, count] : counts)
        text += (text.empty() ? "" : "; ") + std::to_string(count) + "× " + what;
    return text;
}

const ProgramResults* find(const std::vector<ProgramResults>& results, const std::string& label) {
    for (const auto& entry : results)
        if (entry.program->label == label)
            return &entry;
    return nullptr;
}

std::string ratio_cell(const ProgramResults* numerator, const ProgramResults* denominator,
                       const Figure& figure) {
    if (!numerator || !denominator)
        return "–";
    const auto top = summarise(*numerator, figure);
    const auto bottom = summarise(*denominator, figure);
    if (!top || !bottom || bottom->median <= 0.0)
        return "–";
    return format("%.2f×", top->median / bottom->median);
}

// Appends " value |"; piecewise, which also keeps GCC 12's -Wrestrict
// false positive on `" " + std::string` away.
void add_cell(std::string& row, const std::string& value) {
    row += ' ';
    row += value;
    row += " |";
}

std::string today() {
    char text[32];
    const std::time_t now = std::time(nullptr);
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M UTC", std::gmtime(&now));
    return text;
}

} // namespace

std::string describe_machine() {
    std::string model = "unknown CPU";
    std::ifstream cpuinfo("/proc/cpuinfo");
    for (std::string line; std::getline(cpuinfo, line);) {
        if (line.starts_with("model name")) {
            model = line.substr(line.find(':') + 2);
            break;
        }
    }
    utsname name{};
    uname(&name);
    return std::to_string(sysconf(_SC_NPROCESSORS_ONLN)) + " cores (nproc), " + model + ", " +
           name.sysname + " " + name.release;
}

std::string load_average() {
    std::ifstream loadavg("/proc/loadavg");
    std::string one_minute = "?";
    loadavg >> one_minute;
    return one_minute;
}

std::string markdown_report(const ReportContext& context,
                            const std::vector<ProgramResults>& results,
                            const std::vector<Ratio>& ratios) {
    std::string text;
    text += "Measured " + today() + " on " + context.machine + "; X server: " + context.server +
            "; load average " + context.load + ".\n\n";
    text += std::to_string(context.runs) +
            " runs of each program, interleaved round-robin (one run of every program per "
            "round), after one discarded warm-up run of each: caches are warm. Times are from "
            "just before exec; *painted* is the first read of the window's final pixels "
            "(read every " +
            format("%.1f", context.paint.poll_interval_ms) + " ms, final once unchanged for " +
            format("%.0f", context.paint.stable_ms) +
            " ms); *Enter→exit* is from the XTest Return press to the exit seen by the "
            "benchmark; peak RSS is wait4's ru_maxrss. Cells are **median** (min–max).\n\n";
    text += "| program | runs |";
    for (const auto& column : columns())
        add_cell(text, column.heading);
    text += " notes |\n|---|---|";
    for (std::size_t i = 0; i < columns().size(); ++i)
        text += "---|";
    text += "---|\n";
    for (const auto& entry : results) {
        text += "| " + entry.program->label + " | " + std::to_string(good_runs(entry).size()) +
                "/" + std::to_string(entry.runs.size()) + " |";
        for (const auto& column : columns())
            add_cell(text, summary_cell(summarise(entry, column.figure)));
        add_cell(text, notes(entry));
        text += '\n';
    }
    if (ratios.empty())
        return text;
    text += "\nRatios of medians (below 1.00× means the first is faster or smaller):\n\n";
    text += "| comparison |";
    for (const auto& column : columns())
        add_cell(text, column.heading);
    text += "\n|---|";
    for (std::size_t i = 0; i < columns().size(); ++i)
        text += "---|";
    text += "\n";
    for (const auto& ratio : ratios) {
        const auto* numerator = find(results, ratio.numerator);
        const auto* denominator = find(results, ratio.denominator);
        text += "| " + ratio.numerator + " / " + ratio.denominator + " |";
        for (const auto& column : columns())
            add_cell(text, ratio_cell(numerator, denominator, column.figure));
        text += "\n";
    }
    return text;
}

std::string csv_runs(const std::vector<ProgramResults>& results) {
    std::string text = "program,run,ok,created_ms,mapped_ms,painted_ms,settled,enter_to_exit_ms,"
                       "peak_rss_mib,exit,failure\n";
    for (const auto& entry : results) {
        for (std::size_t i = 0; i < entry.runs.size(); ++i) {
            const auto& run = entry.runs[i];
            text += "\"" + entry.program->label + "\"," + std::to_string(i + 1) + "," +
                    (run.ok ? "1" : "0") + format(",%.3f", run.created) +
                    format(",%.3f", run.mapped) + format(",%.3f", run.painted) +
                    (run.settled ? ",1" : ",0") + format(",%.3f", run.enter_to_exit) +
                    format(",%.2f", run.peak_rss_mib) + ",\"" + describe_status(run.exit_status) +
                    "\",\"" + run.failure + "\"\n";
        }
    }
    return text;
}

} // namespace bench
