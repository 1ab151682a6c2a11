// A program started by a test, with its output captured and a bounded wait
// for its end. A process still running when its owner goes away is killed
// and reaped, so no test leaves a stray window or zombie behind.
#pragma once

#include "exit_status.h"
#include "unique_fd.h"

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace e2e {

struct Launch {
    std::string program;
    std::vector<std::string> args; // the words after the program's name
    // The DISPLAY the program sees; none means DISPLAY is removed from its
    // environment.
    std::optional<std::string> display;
};

class ChildProcess {
  public:
    // Throws std::runtime_error when the program cannot be started.
    explicit ChildProcess(const Launch& launch);
    ChildProcess(ChildProcess&& other) noexcept;
    ChildProcess& operator=(ChildProcess&&) = delete;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess();

    pid_t pid() const { return pid_; }
    // True while the process has not ended; reaps it once it has.
    bool running();
    // Waits up to `limit` for the process to end. Past the limit the process
    // is killed and the result is empty: it did not end by itself.
    std::optional<ExitStatus> wait_for_exit(std::chrono::milliseconds limit);
    // Everything the process wrote so far.
    const std::string& stderr_text();
    const std::string& stdout_text();

  private:
    void drain();
    void kill_and_reap();

    pid_t pid_ = -1;
    std::optional<ExitStatus> status_;
    UniqueFd stdout_;
    UniqueFd stderr_;
    std::string stdout_text_;
    std::string stderr_text_;
};

} // namespace e2e
