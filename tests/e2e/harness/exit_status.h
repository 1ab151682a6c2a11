// How a child process ended, in a form that tests can compare and print.
#pragma once

#include <ostream>

namespace e2e {

struct ExitStatus {
    bool exited = false; // ended through exit(); otherwise killed by a signal
    int code = 0;        // exit code when exited, signal number otherwise

    static ExitStatus from_wait_status(int status);
    bool success() const { return exited && code == 0; }
    bool failure() const { return exited && code != 0; }
    friend bool operator==(const ExitStatus&, const ExitStatus&) = default;
};

std::ostream& operator<<(std::ostream& out, const ExitStatus& status);

} // namespace e2e
