// brevon_bench: runs each program of a list in a private X server, round
// after round, and reports how fast its window appears, is painted and goes
// away on Enter, and how much memory it took.
#include "bench/measurement.h"
#include "bench/program_list.h"
#include "bench/report.h"
#include "bench/x_observer.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Options {
    std::string list_path;
    std::string markdown_path;
    std::string csv_path;
    int runs = 20;
    bench::RunOptions run;
};

[[noreturn]] void usage() {
    std::cerr << "usage: brevon_bench --list FILE [--runs N] [--out FILE.md] [--csv FILE.csv]\n"
                 "                    [--poll-ms MS] [--stable-ms MS]\n"
                 "Measures on the X server named by DISPLAY; see bench/README.md.\n";
    std::exit(2);
}

// bench_launch is built beside brevon_bench.
std::string launcher_beside(const char* argv0) {
    std::error_code error;
    auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        self = argv0;
    return (self.parent_path() / "bench_launch").string();
}

Options parse_options(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = argv[i];
        if (i + 1 >= argc)
            usage();
        const std::string value = argv[++i];
        if (name == "--list")
            options.list_path = value;
        else if (name == "--runs")
            options.runs = std::stoi(value);
        else if (name == "--out")
            options.markdown_path = value;
        else if (name == "--csv")
            options.csv_path = value;
        else if (name == "--poll-ms")
            options.run.paint.poll_interval_ms = std::stod(value);
        else if (name == "--stable-ms")
            options.run.paint.stable_ms = std::stod(value);
        else
            usage();
    }
    if (options.list_path.empty() || options.runs < 1)
        usage();
    options.run.launcher = launcher_beside(argv[0]);
    return options;
}

void write_file(const std::string& path, const std::string& text) {
    std::ofstream file(path);
    file << text;
    if (!file)
        throw std::runtime_error("cannot write '" + path + "'");
}

void report_progress(const bench::Program& program, const bench::Measurement& result,
                     const char* round) {
    if (result.ok)
        std::fprintf(stderr, "  %-6s %-36s mapped %7.1f  painted %7.1f  exit %6.2f ms  %6.1f MiB\n",
                     round, program.label.c_str(), result.mapped, result.painted,
                     result.enter_to_exit, result.peak_rss_mib);
    else
        std::fprintf(stderr, "  %-6s %-36s failed: %s\n", round, program.label.c_str(),
                     result.failure.c_str());
}

} // namespace

int main(int argc, char** argv) {
    try {
        const Options options = parse_options(argc, argv);
        const bench::ProgramList list = bench::read_program_list(options.list_path);
        bench::XObserver observer;
        const std::string load_before = bench::load_average();

        std::vector<bench::ProgramResults> results;
        for (const auto& program : list.programs)
            results.push_back({.program = &program, .runs = {}});

        // One discarded run of each: the binaries, libraries, fonts and
        // caches are in memory before anything is counted.
        for (const auto& program : list.programs)
            if (program.missing.empty())
                report_progress(program, bench::measure(observer, program, options.run), "warm");

        // Round-robin, so whatever else the machine does hits every program alike.
        for (int round = 1; round <= options.runs; ++round) {
            const std::string name = std::to_string(round) + "/" + std::to_string(options.runs);
            for (auto& entry : results) {
                if (!entry.program->missing.empty())
                    continue;
                entry.runs.push_back(bench::measure(observer, *entry.program, options.run));
                report_progress(*entry.program, entry.runs.back(), name.c_str());
            }
        }

        const bench::ReportContext context{.machine = bench::describe_machine(),
                                           .server = observer.server_description(),
                                           .load = load_before + " before, " +
                                                   bench::load_average() + " after",
                                           .runs = options.runs,
                                           .paint = options.run.paint};
        const std::string markdown = bench::markdown_report(context, results, list.ratios);
        std::cout << markdown;
        if (!options.markdown_path.empty())
            write_file(options.markdown_path, markdown);
        if (!options.csv_path.empty())
            write_file(options.csv_path, bench::csv_runs(results));
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "brevon_bench: " << error.what() << "\n";
        return 1;
    }
}
