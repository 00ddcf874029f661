#include "sim/net/link.h"

#include <algorithm>
#include <cerrno>

#include <poll.h>
#include <sys/socket.h>

namespace korvex::sim {
namespace {

// Waits until `socket` is ready for `events` (or, with socket -1, only for the time); false
// when stopping or on an error.
bool waitFor(int socket, short events, int wake, int milliseconds)
{
    pollfd fds[2] = {{wake, POLLIN, 0}, {socket, events, 0}};
    for (;;) {
        const int ready = poll(fds, socket < 0 ? 1 : 2, milliseconds);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0 || (fds[0].revents & POLLIN))
            return false;
        return socket < 0 || ready > 0;
    }
}

}  // namespace

QByteArray Link::receive()
{
    char buffer[4096];
    if (!waitFor(socket_, POLLIN, wake_, -1))
        return {};
    ssize_t n;
    do {
        n = recv(socket_, buffer, sizeof buffer, 0);
    } while (n < 0 && errno == EINTR);
    return n > 0 ? QByteArray(buffer, int(n)) : QByteArray();
}

bool Link::write(const QByteArray& bytes)
{
    int sent = 0;
    while (sent < bytes.size()) {
        if (!waitFor(socket_, POLLOUT, wake_, -1))
            return false;
        const ssize_t n = send(socket_, bytes.constData() + sent, std::size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        sent += int(n);
    }
    return true;
}

bool Link::pause(std::chrono::milliseconds span)
{
    const auto end = std::chrono::steady_clock::now() + span;
    for (auto left = span; left.count() > 0;
         left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now())) {
        if (!waitFor(-1, 0, wake_, int(std::min<long long>(left.count(), 1 << 30))))
            return false;
    }
    return true;
}

void Link::hangUp() { shutdown(socket_, SHUT_RDWR); }

}  // namespace korvex::sim
