// A measured program's process, started through bench_launch so that its
// peak memory is its own (see bench_launch.cpp), and watched through a pidfd
// so its exit can be waited for with a timeout.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

namespace bench {

struct ExitReport {
    int status = 0;       // the wait status
    long max_rss_kib = 0; // ru_maxrss
    double exit_ms = 0.0; // when the exit was seen
};

class ChildProcess {
  public:
    // Runs arguments with the bench's environment plus extra entries; the
    // program's stderr goes to stderr_path, its stdout and stdin to /dev/null.
    ChildProcess(const std::string& launcher, const std::vector<std::string>& arguments,
                 const std::vector<std::string>& extra_environment, const std::string& stderr_path);
    ~ChildProcess(); // kills and reaps a program still running
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // The launcher's clock reading just before it started the program.
    double start_ms() const { return start_ms_; }
    // The descriptor that becomes readable when the program exits.
    int exit_fd() const { return pidfd_; }
    bool has_exited() const;
    // Waits up to timeout_ms for the exit and collects it. False on timeout.
    bool wait_exit(double timeout_ms, ExitReport& report);
    // Ends a program that did not exit by itself and collects it.
    ExitReport kill_and_reap();

  private:
    ExitReport collect();

    struct CloseFile {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    pid_t launcher_ = -1;
    pid_t pid_ = -1;
    int pidfd_ = -1;
    double start_ms_ = 0.0;
    std::unique_ptr<std::FILE, CloseFile> reports_;
    bool reaped_ = false;
};

// "exited with status 3", "killed by signal 9"
std::string describe_status(int status);

} // namespace bench
