// bench_launch: starts one measured program on the benchmark's behalf and
// reports its peak memory. The kernel's ru_maxrss of a process counts the
// memory of the process that exec'd it (its parent's, under vfork), so a
// program started straight from the benchmark would be charged with the
// benchmark's own size. This launcher is small and static, so the program
// it starts is charged at most its few hundred KiB, and only where the
// program itself is smaller.
//
// usage: bench_launch REPORT_FD PROGRAM ARGS...
// Writes "<pid> <start time in ms>\n" once the program is started, and
// "<wait status> <ru_maxrss KiB>\n" once it has ended, to REPORT_FD.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

double now_ms() {
    timespec time{};
    clock_gettime(CLOCK_MONOTONIC, &time);
    return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_nsec) / 1e6;
}

void report(int fd, const char* text, int length) {
    while (length > 0) {
        const ssize_t written = write(fd, text, static_cast<std::size_t>(length));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            std::exit(3);
        text += written;
        length -= static_cast<int>(written);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    const int report_fd = std::atoi(argv[1]);
    // The program must not hold the report pipe open.
    fcntl(report_fd, F_SETFD, FD_CLOEXEC);
    char line[96];
    const double start = now_ms();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[2], nullptr, nullptr, argv + 2, environ) != 0) {
        report(report_fd, line, std::snprintf(line, sizeof line, "0 0\n"));
        return 1;
    }
    report(report_fd, line,
           std::snprintf(line, sizeof line, "%ld %.6f\n", static_cast<long>(pid), start));
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    report(report_fd, line, std::snprintf(line, sizeof line, "%d %ld\n", status, usage.ru_maxrss));
    return 0;
}
