#pragma once
// One accepted TCP connection as its serving thread sees it. Every wait also ends when the
// server is stopping (its wake descriptor becomes readable).

#include <chrono>

#include <QByteArray>

namespace korvex::sim {

class Link {
public:
    Link(int socket, int wake) : socket_(socket), wake_(wake) {}

    // The bytes that arrived; empty when the peer closed, on an error or when stopping.
    QByteArray receive();
    // Writes all of `bytes`; false when the connection is gone or the server is stopping.
    bool write(const QByteArray& bytes);
    // Waits `span`; false when the server is stopping.
    bool pause(std::chrono::milliseconds span);
    // Closes the connection towards the peer; the descriptor itself stays with the server.
    void hangUp();

private:
    int socket_;
    int wake_;
};

}  // namespace korvex::sim
