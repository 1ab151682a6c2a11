#include "bench/child_process.h"

#include "bench/clock.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace bench {
namespace {

// The descriptor the launcher writes its reports to.
constexpr int report_fd = 3;

std::vector<std::string> merged_environment(const std::vector<std::string>& extra) {
    std::vector<std::string> merged;
    for (char** entry = environ; *entry; ++entry) {
        const std::string current(*entry);
        const auto name = current.substr(0, current.find('=') + 1);
        bool overridden = false;
        for (const auto& added : extra)
            overridden = overridden || added.starts_with(name);
        if (!overridden)
            merged.push_back(current);
    }
    merged.insert(merged.end(), extra.begin(), extra.end());
    return merged;
}

std::vector<char*> c_strings(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (auto& string : strings)
        pointers.push_back(string.data());
    pointers.push_back(nullptr);
    return pointers;
}

// posix_spawn's file actions, released on every path.
struct SpawnActions {
    posix_spawn_file_actions_t actions{};
    SpawnActions() { posix_spawn_file_actions_init(&actions); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
};

struct Pipe {
    int read_end = -1;
    int write_end = -1;
    Pipe() {
        int ends[2];
        if (pipe2(ends, O_CLOEXEC) != 0)
            throw std::runtime_error("cannot make a pipe");
        read_end = ends[0];
        write_end = ends[1];
    }
    ~Pipe() {
        if (read_end >= 0)
            close(read_end);
        if (write_end >= 0)
            close(write_end);
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
};

} // namespace

ChildProcess::ChildProcess(const std::string& launcher, const std::vector<std::string>& arguments,
                           const std::vector<std::string>& extra_environment,
                           const std::string& stderr_path) {
    std::vector<std::string> argv_strings = {launcher, std::to_string(report_fd)};
    argv_strings.insert(argv_strings.end(), arguments.begin(), arguments.end());
    std::vector<std::string> env_strings = merged_environment(extra_environment);
    auto argv = c_strings(argv_strings);
    auto envp = c_strings(env_strings);
    Pipe reports;
    SpawnActions files;
    posix_spawn_file_actions_adddup2(&files.actions, reports.write_end, report_fd);
    posix_spawn_file_actions_addopen(&files.actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files.actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&files.actions, 2, stderr_path.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (posix_spawn(&launcher_, argv[0], &files.actions, nullptr, argv.data(), envp.data()) != 0)
        throw std::runtime_error("cannot start the launcher " + launcher);
    close(reports.write_end);
    reports.write_end = -1;
    reports_.reset(fdopen(reports.read_end, "r"));
    reports.read_end = -1;

    long pid = 0;
    if (!reports_ || std::fscanf(reports_.get(), "%ld %lf", &pid, &start_ms_) != 2 || pid <= 0) {
        waitpid(launcher_, nullptr, 0);
        reaped_ = true;
        throw std::runtime_error("cannot start " + arguments.front());
    }
    pid_ = static_cast<pid_t>(pid);
    pidfd_ = static_cast<int>(syscall(SYS_pidfd_open, pid_, 0));
    if (pidfd_ < 0) {
        kill_and_reap();
        throw std::runtime_error("pidfd_open failed");
    }
}

ChildProcess::~ChildProcess() {
    if (!reaped_)
        kill_and_reap();
    if (pidfd_ >= 0)
        close(pidfd_);
}

bool ChildProcess::has_exited() const {
    pollfd entry{.fd = pidfd_, .events = POLLIN, .revents = 0};
    return poll(&entry, 1, 0) > 0;
}

ExitReport ChildProcess::collect() {
    ExitReport report;
    if (std::fscanf(reports_.get(), "%d %ld", &report.status, &report.max_rss_kib) != 2)
        report.status = -1;
    while (waitpid(launcher_, nullptr, 0) < 0 && errno == EINTR) {
    }
    reaped_ = true;
    return report;
}

bool ChildProcess::wait_exit(double timeout_ms, ExitReport& report) {
    pollfd entry{.fd = pidfd_, .events = POLLIN, .revents = 0};
    int ready = 0;
    do {
        ready = poll(&entry, 1, static_cast<int>(timeout_ms));
    } while (ready < 0 && errno == EINTR);
    if (ready <= 0)
        return false;
    const double exited = now_ms();
    report = collect();
    report.exit_ms = exited;
    return true;
}

ExitReport ChildProcess::kill_and_reap() {
    if (reaped_)
        return {};
    if (pid_ > 0)
        kill(pid_, SIGKILL);
    else
        kill(launcher_, SIGKILL);
    ExitReport report = collect();
    report.exit_ms = now_ms();
    return report;
}

std::string describe_status(int status) {
    if (status < 0)
        return "no report from the launcher";
    if (WIFEXITED(status))
        return "exited with status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return "killed by signal " + std::to_string(WTERMSIG(status));
    return "ended with wait status " + std::to_string(status);
}

} // namespace bench
