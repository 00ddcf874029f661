#include "support/test_peer.h"

#include <algorithm>
#include <stdexcept>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace testing_support {
namespace {

int loopbackSocket(std::uint16_t& port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        throw std::runtime_error("test peer: no loopback socket");
    port = ntohs(address.sin_port);
    return fd;
}

// False when the connection ended before `size` bytes came.
bool receiveExactly(int socket, char* into, int size)
{
    while (size > 0) {
        const ssize_t got = ::recv(socket, into, size_t(size), 0);
        if (got <= 0)
            return false;
        into += got;
        size -= int(got);
    }
    return true;
}

void sendAll(int socket, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    size_t left = size_t(bytes.size());
    while (left > 0) {
        const ssize_t put = ::send(socket, data, left, MSG_NOSIGNAL);
        if (put <= 0)
            return;  // the library went away; the test sees its own result
        data += put;
        left -= size_t(put);
    }
}

}  // namespace

Step answer(const QByteArray& bytes) { return Step{{bytes}}; }

Step answerAfter(milliseconds delay, const QByteArray& bytes) { return Step{{bytes}, delay}; }

Step answerInPieces(const QByteArray& bytes, std::vector<int> cuts, milliseconds pause)
{
    Step step{{}, milliseconds(0), pause};
    int from = 0;
    for (const int cut : cuts) {
        step.pieces.push_back(bytes.mid(from, cut - from));
        from = cut;
    }
    step.pieces.push_back(bytes.mid(from));
    return step;
}

Step noAnswer() { return Step{}; }

Step hangUp(const QByteArray& partial)
{
    Step step;
    if (!partial.isEmpty())
        step.pieces.push_back(partial);
    step.hangUp = true;
    return step;
}

TestPeer::TestPeer()
{
    listener_ = loopbackSocket(port_);
    if (::listen(listener_, 16) != 0)
        throw std::runtime_error("test peer: cannot listen");
    acceptor_ = std::thread([this] { acceptLoop(); });
}

TestPeer::~TestPeer()
{
    {
        std::lock_guard<std::mutex> guard(lock_);
        stop_ = true;
        for (const int socket : sockets_)
            ::shutdown(socket, SHUT_RDWR);
    }
    changed_.notify_all();
    ::shutdown(listener_, SHUT_RDWR);  // wakes accept()
    acceptor_.join();
    for (std::thread& server : servers_)
        server.join();
    ::close(listener_);
}

std::string TestPeer::address() const { return "127.0.0.1:" + std::to_string(port_); }

void TestPeer::script(std::vector<Step> steps)
{
    std::lock_guard<std::mutex> guard(lock_);
    steps_.insert(steps_.end(), steps.begin(), steps.end());
}

void TestPeer::answerEach(std::function<Step(const QByteArray&)> handler)
{
    std::lock_guard<std::mutex> guard(lock_);
    handler_ = std::move(handler);
}

std::vector<Request> TestPeer::requests() const
{
    std::lock_guard<std::mutex> guard(lock_);
    return requests_;
}

bool TestPeer::awaitRequests(std::size_t count, milliseconds limit) const
{
    std::unique_lock<std::mutex> guard(lock_);
    return changed_.wait_for(guard, limit, [&] { return requests_.size() >= count; });
}

int TestPeer::connections() const
{
    std::lock_guard<std::mutex> guard(lock_);
    return int(servers_.size());
}

void TestPeer::acceptLoop()
{
    for (;;) {
        const int socket = ::accept(listener_, nullptr, nullptr);
        std::lock_guard<std::mutex> guard(lock_);
        if (socket < 0 || stop_) {
            if (socket >= 0)
                ::close(socket);
            return;
        }
        const int noDelay = 1;
        ::setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
        sockets_.push_back(socket);
        const int connection = int(servers_.size());
        servers_.emplace_back([this, socket, connection] { serve(socket, connection); });
    }
}

void TestPeer::serve(int socket, int connection)
{
    for (;;) {
        QByteArray frame(4, '\0');
        if (!receiveExactly(socket, frame.data(), 4))
            break;
        const int length = std::uint8_t(frame[2]) | (std::uint8_t(frame[3]) << 8);
        frame.resize(4 + length);
        if (!receiveExactly(socket, frame.data() + 4, length))
            break;
        {
            std::lock_guard<std::mutex> guard(lock_);
            requests_.push_back({connection, frame});
        }
        changed_.notify_all();
        const Step step = next(frame);
        bool alive = pauseFor(step.delay);
        for (std::size_t i = 0; alive && i < step.pieces.size(); ++i) {
            if (i > 0)
                alive = pauseFor(step.pause);
            if (alive)
                sendAll(socket, step.pieces[i]);
        }
        if (!alive || step.hangUp)
            break;
    }
    {
        std::lock_guard<std::mutex> guard(lock_);
        sockets_.erase(std::find(sockets_.begin(), sockets_.end(), socket));
    }
    ::close(socket);
}

Step TestPeer::next(const QByteArray& request)
{
    std::unique_lock<std::mutex> guard(lock_);
    if (!steps_.empty()) {
        Step step = steps_.front();
        steps_.pop_front();
        return step;
    }
    if (!handler_)
        return hangUp();
    const auto handler = handler_;
    guard.unlock();
    return handler(request);
}

bool TestPeer::pauseFor(milliseconds span)
{
    std::unique_lock<std::mutex> guard(lock_);
    changed_.wait_for(guard, span, [this] { return stop_; });
    return !stop_;
}

std::uint16_t closedLoopbackPort()
{
    std::uint16_t port = 0;
    ::close(loopbackSocket(port));
    return port;
}

}  // namespace testing_support
