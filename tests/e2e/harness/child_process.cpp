#include "child_process.h"

#include "limits.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace e2e {
namespace {

// The parent's environment with DISPLAY replaced (or removed).
std::vector<std::string> child_environment(const std::optional<std::string>& display) {
    std::vector<std::string> env;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (std::strncmp(*entry, "DISPLAY=", 8) != 0) {
            env.emplace_back(*entry);
        }
    }
    if (display) {
        env.push_back("DISPLAY=" + *display);
    }
    return env;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
    std::vector<char*> result;
    for (auto& text : strings) {
        result.push_back(text.data());
    }
    result.push_back(nullptr);
    return result;
}

// A pipe whose read end stays with the test and never blocks.
std::pair<UniqueFd, UniqueFd> output_pipe() {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    }
    ::fcntl(fds[0], F_SETFL, O_NONBLOCK);
    return {UniqueFd(fds[0]), UniqueFd(fds[1])};
}

void read_available(const UniqueFd& fd, std::string& into) {
    if (!fd) {
        return;
    }
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n <= 0) {
            return;
        }
        into.append(buffer, static_cast<std::size_t>(n));
    }
}

class SpawnActions {
  public:
    SpawnActions() { posix_spawn_file_actions_init(&actions_); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    posix_spawn_file_actions_t* get() { return &actions_; }

  private:
    posix_spawn_file_actions_t actions_;
};

} // namespace

ChildProcess::ChildProcess(const Launch& launch) {
    auto [out_read, out_write] = output_pipe();
    auto [err_read, err_write] = output_pipe();

    SpawnActions actions;
    posix_spawn_file_actions_addopen(actions.get(), 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(actions.get(), out_write.get(), 1);
    posix_spawn_file_actions_adddup2(actions.get(), err_write.get(), 2);

    std::vector<std::string> argv_strings{launch.program};
    argv_strings.insert(argv_strings.end(), launch.args.begin(), launch.args.end());
    auto argv = pointers(argv_strings);
    auto env_strings = child_environment(launch.display);
    auto envp = pointers(env_strings);

    const int error = posix_spawn(&pid_, launch.program.c_str(), actions.get(), nullptr,
                                  argv.data(), envp.data());
    if (error != 0) {
        throw std::runtime_error("cannot start " + launch.program + ": " + std::strerror(error));
    }
    stdout_ = std::move(out_read);
    stderr_ = std::move(err_read);
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : pid_(std::exchange(other.pid_, -1)), status_(other.status_),
      stdout_(std::move(other.stdout_)), stderr_(std::move(other.stderr_)),
      stdout_text_(std::move(other.stdout_text_)), stderr_text_(std::move(other.stderr_text_)) {}

ChildProcess::~ChildProcess() {
    if (pid_ > 0 && !status_) {
        kill_and_reap();
    }
}

bool ChildProcess::running() {
    if (status_) {
        return false;
    }
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        status_ = ExitStatus::from_wait_status(status);
        drain();
        return false;
    }
    return true;
}

std::optional<ExitStatus> ChildProcess::wait_for_exit(std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (running()) {
        drain();
        if (std::chrono::steady_clock::now() >= deadline) {
            kill_and_reap();
            return std::nullopt;
        }
        std::this_thread::sleep_for(poll_interval);
    }
    return status_;
}

const std::string& ChildProcess::stderr_text() {
    drain();
    return stderr_text_;
}

const std::string& ChildProcess::stdout_text() {
    drain();
    return stdout_text_;
}

void ChildProcess::drain() {
    read_available(stdout_, stdout_text_);
    read_available(stderr_, stderr_text_);
}

void ChildProcess::kill_and_reap() {
    ::kill(pid_, SIGKILL);
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    status_ = ExitStatus::from_wait_status(status);
    drain();
}

} // namespace e2e
