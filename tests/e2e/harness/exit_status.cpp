#include "exit_status.h"

#include <cstring>
#include <sys/wait.h>

namespace e2e {

ExitStatus ExitStatus::from_wait_status(int status) {
    if (WIFEXITED(status)) {
        return {true, WEXITSTATUS(status)};
    }
    return {false, WIFSIGNALED(status) ? WTERMSIG(status) : -1};
}

std::ostream& operator<<(std::ostream& out, const ExitStatus& status) {
    if (status.exited) {
        return out << "exit status " << status.code;
    }
    return out << "killed by signal " << status.code << " (" << strsignal(status.code) << ")";
}

} // namespace e2e
