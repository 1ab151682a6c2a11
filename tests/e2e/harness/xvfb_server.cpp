#include "xvfb_server.h"

#include "limits.h"
#include "unique_fd.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace e2e {
namespace {

// The descriptor number Xvfb is told to write its display number to.
constexpr int display_fd_in_child = 3;

std::runtime_error failure(const std::string& what) {
    return std::runtime_error("Xvfb: " + what);
}

// Reads the display number Xvfb writes once it accepts connections.
std::string read_display_number(const UniqueFd& fd) {
    const auto deadline = std::chrono::steady_clock::now() + start_limit;
    std::string text;
    while (text.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            throw failure("no display number within the start limit");
        }
        pollfd waiting{fd.get(), POLLIN, 0};
        if (::poll(&waiting, 1, static_cast<int>(left.count())) <= 0) {
            continue;
        }
        char buffer[32];
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n == 0) {
            throw failure("ended before it gave a display number");
        }
        if (n > 0) {
            text.append(buffer, static_cast<std::size_t>(n));
        }
    }
    return text.substr(0, text.find('\n'));
}

} // namespace

XvfbServer::XvfbServer(const ScreenConfig& screen) : screen_(screen) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        throw failure(std::string("pipe: ") + std::strerror(errno));
    }
    UniqueFd read_end(fds[0]);
    UniqueFd write_end(fds[1]);
    if (write_end.get() == display_fd_in_child) {
        // dup2 onto itself would keep close-on-exec; move it out of the way.
        write_end.reset(::fcntl(fds[1], F_DUPFD_CLOEXEC, display_fd_in_child + 1));
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, write_end.get(), display_fd_in_child);

    std::vector<std::string> args{
        "Xvfb", "-displayfd", std::to_string(display_fd_in_child), "-screen", "0",
        std::to_string(screen.width) + "x" + std::to_string(screen.height) + "x24", "-nolisten",
        "tcp",
        // Keep root properties and state when the
        // last client leaves.
        "-noreset"};
    if (screen.physical_dpi > 0) {
        args.insert(args.end(), {"-dpi", std::to_string(screen.physical_dpi)});
    }
    std::vector<char*> argv;
    for (auto& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    const int error = posix_spawnp(&pid_, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        pid_ = -1;
        throw failure(std::string("cannot start: ") + std::strerror(error));
    }
    write_end.reset(); // only Xvfb writes now; its end closes the pipe on exit
    try {
        // Appending rather than `":" + ...`: GCC 12 gives a false -Wrestrict
        // warning for a literal plus a temporary string.
        display_name_ = std::string(":").append(read_display_number(read_end));
    } catch (...) {
        stop();
        throw;
    }
}

XvfbServer::~XvfbServer() {
    stop();
}

void XvfbServer::stop() {
    if (pid_ <= 0) {
        return;
    }
    ::kill(pid_, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + exit_limit;
    int status = 0;
    while (::waitpid(pid_, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() >= deadline) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, &status, 0);
            break;
        }
        std::this_thread::sleep_for(poll_interval);
    }
    pid_ = -1;
}

} // namespace e2e
