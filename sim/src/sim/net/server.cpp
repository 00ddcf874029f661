#include "sim/net/server.h"

#include <cerrno>
#include <cstring>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace korvex::sim {

bool Server::listen(const std::string& host, std::uint16_t port, std::string& error)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    if (inet_pton(AF_INET, host.c_str(), &address.sin_addr) != 1) {
        error = "not an IPv4 address: " + host;
        return false;
    }
    listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int on = 1;
    if (listener_ < 0 || setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0
        || bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(listener_, 16) != 0
        || pipe2(wake_, O_CLOEXEC) != 0) {
        error = "cannot listen on " + host + ":" + std::to_string(port) + ": " + std::strerror(errno);
        return false;
    }
    socklen_t length = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    return true;
}

void Server::start(Serve serve)
{
    serve_ = std::move(serve);
    acceptor_ = std::thread([this] { acceptLoop(); });
}

void Server::acceptLoop()
{
    for (;;) {
        pollfd fds[2] = {{wake_[0], POLLIN, 0}, {listener_, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0 && errno != EINTR)
            return;
        if (fds[0].revents & POLLIN)
            return;
        if (!(fds[1].revents & POLLIN))
            continue;
        const int socket = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (socket < 0)
            continue;
        const int on = 1;
        setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        reapFinished();
        std::lock_guard<std::mutex> guard(lock_);
        if (connections_.size() >= kMaxConnections) {
            close(socket);
            continue;
        }
        Connection& connection = connections_.emplace_back();
        connection.socket = socket;
        connection.thread = std::thread([this, &connection] {
            Link link(connection.socket, wake_[0]);
            serve_(link);
            connection.done = true;
        });
    }
}

void Server::reapFinished()
{
    std::lock_guard<std::mutex> guard(lock_);
    for (auto it = connections_.begin(); it != connections_.end();) {
        if (!it->done) {
            ++it;
            continue;
        }
        it->thread.join();
        close(it->socket);
        it = connections_.erase(it);
    }
}

void Server::stop()
{
    if (wake_[1] >= 0) {
        const char byte = 1;
        while (write(wake_[1], &byte, 1) < 0 && errno == EINTR) {
        }
    }
    if (acceptor_.joinable())
        acceptor_.join();
    {
        std::lock_guard<std::mutex> guard(lock_);
        for (Connection& connection : connections_) {
            shutdown(connection.socket, SHUT_RDWR);
            if (connection.thread.joinable())
                connection.thread.join();
            close(connection.socket);
        }
        connections_.clear();
    }
    const auto closeOnce = [](int& fd) {
        if (fd >= 0)
            close(fd);
        fd = -1;
    };
    closeOnce(listener_);
    closeOnce(wake_[0]);
    closeOnce(wake_[1]);
}

}  // namespace korvex::sim
