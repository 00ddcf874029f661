#pragma once
// A TCP listener that serves every accepted connection on a thread of its own, until stop().
// Connections beyond kMaxConnections are closed at once, so a flood cannot exhaust threads.

#include <atomic>
#include <cstdint>
#include <functional>
#include <list>
#include <mutex>
#include <string>
#include <thread>

#include "sim/net/link.h"

namespace korvex::sim {

class Server {
public:
    static constexpr std::size_t kMaxConnections = 64;
    using Serve = std::function<void(Link&)>;

    Server() = default;
    ~Server() { stop(); }
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    // Binds and listens on host:port (port 0: an ephemeral port); false with `error` set.
    bool listen(const std::string& host, std::uint16_t port, std::string& error);
    // Starts accepting; `serve` runs once per connection, on that connection's thread.
    void start(Serve serve);
    // Wakes every wait, closes every connection and joins all threads. Idempotent.
    void stop();

    std::uint16_t port() const { return port_; }

private:
    struct Connection {
        int socket;
        std::thread thread;
        std::atomic<bool> done{false};
    };

    void acceptLoop();
    void reapFinished();

    int listener_ = -1;
    int wake_[2] = {-1, -1};
    std::uint16_t port_ = 0;
    Serve serve_;
    std::thread acceptor_;
    std::mutex lock_;
    std::list<Connection> connections_;
};

}  // namespace korvex::sim
