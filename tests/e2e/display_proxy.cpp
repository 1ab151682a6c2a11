#include "display_proxy.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace e2e {
namespace {

// Display numbers far above those Xvfb picks for itself (it counts up from
// 0), so the proxy and the tests' servers do not compete.
constexpr int first_display = 600;
constexpr int last_display = 999;

std::runtime_error system_error(const std::string& what) {
    return std::runtime_error(what + ": " + std::strerror(errno));
}

// Xlib tries the abstract socket of a display first, so the proxy needs no
// file in /tmp/.X11-unix.
sockaddr_un abstract_address(int display, socklen_t& length) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::string name = "/tmp/.X11-unix/X";
    name += std::to_string(display);
    std::memcpy(address.sun_path + 1, name.data(), name.size());
    length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    return address;
}

UniqueFd connect_to_server(const std::string& server_display) {
    const int number = std::stoi(server_display.substr(server_display.find(':') + 1));
    UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!fd)
        throw system_error("socket");
    socklen_t length = 0;
    const sockaddr_un address = abstract_address(number, length);
    if (::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), length) != 0)
        throw system_error("cannot reach the X server " + server_display);
    return fd;
}

// Moves what can be read from `from` to `to`; false when either side ended.
bool forward(int from, int to) {
    char buffer[65536];
    const ssize_t n = ::read(from, buffer, sizeof buffer);
    if (n <= 0)
        return false;
    for (ssize_t done = 0; done < n;) {
        const ssize_t written =
            ::send(to, buffer + done, static_cast<std::size_t>(n - done), MSG_NOSIGNAL);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

} // namespace

DisplayProxy::DisplayProxy(const std::string& server_display) {
    for (int display = first_display; display <= last_display && !listener_; ++display) {
        // The lock file keeps X servers started meanwhile off this number.
        // (Built up in steps: GCC 12 warns wrongly on literal + to_string.)
        std::string lock = "/tmp/.X";
        lock += std::to_string(display);
        lock += "-lock";
        UniqueFd lock_fd(::open(lock.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0444));
        if (!lock_fd)
            continue;
        const std::string pid = std::to_string(::getpid()) + "\n";
        if (::write(lock_fd.get(), pid.data(), pid.size()) < 0) {
            ::unlink(lock.c_str());
            continue;
        }
        UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
        socklen_t length = 0;
        const sockaddr_un address = abstract_address(display, length);
        if (fd && ::bind(fd.get(), reinterpret_cast<const sockaddr*>(&address), length) == 0 &&
            ::listen(fd.get(), 1) == 0) {
            listener_ = std::move(fd);
            lock_file_ = lock;
            display_name_ = ':' + std::to_string(display);
        } else {
            ::unlink(lock.c_str());
        }
    }
    if (!listener_)
        throw std::runtime_error("no free display number for the proxy");

    int wake[2];
    if (::pipe2(wake, O_CLOEXEC) != 0) {
        ::unlink(lock_file_.c_str());
        throw system_error("pipe");
    }
    wake_read_.reset(wake[0]);
    wake_write_.reset(wake[1]);
    thread_ = std::thread([this, server_display] { pass_through(server_display); });
}

DisplayProxy::~DisplayProxy() {
    const char stop = 1;
    [[maybe_unused]] const ssize_t n = ::write(wake_write_.get(), &stop, 1);
    thread_.join();
    ::unlink(lock_file_.c_str());
}

void DisplayProxy::pass_through(const std::string& server_display) {
    pollfd waiting[2] = {{listener_.get(), POLLIN, 0}, {wake_read_.get(), POLLIN, 0}};
    if (::poll(waiting, 2, -1) <= 0 || waiting[1].revents != 0)
        return;
    UniqueFd client(::accept4(listener_.get(), nullptr, nullptr, SOCK_CLOEXEC));
    if (!client)
        return;
    UniqueFd server;
    try {
        server = connect_to_server(server_display);
    } catch (const std::runtime_error&) {
        return; // the client finds its connection closed
    }
    for (;;) {
        pollfd fds[3] = {
            {client.get(), POLLIN, 0}, {server.get(), POLLIN, 0}, {wake_read_.get(), POLLIN, 0}};
        if (::poll(fds, 3, -1) < 0 && errno != EINTR)
            return;
        if (fds[2].revents != 0)
            return;
        if (fds[0].revents != 0 && !forward(client.get(), server.get()))
            return;
        if (fds[1].revents != 0) {
            if (cut_requested_) {
                // The client's writes fail from now on; it still reads what
                // the server sends, and sees no hang-up that would keep it
                // from answering.
                ::shutdown(client.get(), SHUT_RD);
                cut_done_ = true;
                forward(server.get(), client.get());
                pollfd wake = {wake_read_.get(), POLLIN, 0};
                while (::poll(&wake, 1, -1) < 0 && errno == EINTR) {
                }
                return;
            }
            if (!forward(server.get(), client.get()))
                return;
        }
    }
}

} // namespace e2e
