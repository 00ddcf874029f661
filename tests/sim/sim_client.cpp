#include "sim/sim_client.h"

#include <stdexcept>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace sim_testing {

QByteArray requestFrame(std::uint16_t cmd, const QByteArray& payload, const char* serial)
{
    QByteArray body;
    if (serial)
        body += item(6, serial);
    body += item(65, u32(0x03090038)) + item(7, u16(cmd));
    if (!payload.isEmpty())
        body += item(9, payload);
    return frameOf(body);
}

QByteArray valueOf(const QByteArray& body, std::uint16_t tag)
{
    const std::optional<QByteArray> value = itemOf(body, tag);
    if (!value)
        ADD_FAILURE() << "no item " << tag;
    return value.value_or(QByteArray());
}

QByteArray task(std::uint32_t id) { return item(53, u32(id)); }

SimClient::SimClient(std::uint16_t port)
{
    socket_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (socket_ < 0 || ::connect(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        throw std::runtime_error("sim client: cannot connect to the simulator");
}

SimClient::~SimClient() { ::close(socket_); }

void SimClient::send(const QByteArray& bytes)
{
    int sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(socket_, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (n <= 0)
            return;
        sent += int(n);
    }
}

QByteArray SimClient::readSome(milliseconds limit)
{
    if (!pending_.isEmpty()) {
        QByteArray bytes;
        bytes.swap(pending_);
        return bytes;
    }
    pollfd fd{socket_, POLLIN, 0};
    if (::poll(&fd, 1, int(limit.count())) <= 0)
        return {};
    char buffer[65536];
    const ssize_t n = ::recv(socket_, buffer, sizeof buffer, 0);
    if (n <= 0) {
        closed_ = true;
        return {};
    }
    return QByteArray(buffer, int(n));
}

QByteArray SimClient::readUntilClosed(milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    QByteArray bytes;
    while (!closed_ && std::chrono::steady_clock::now() < end)
        bytes += readSome(milliseconds(50));
    return bytes;
}

Answer SimClient::readFrame(milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    QByteArray bytes;
    for (;;) {
        if (bytes.size() >= 4) {
            const int size = int(numberOf(bytes.mid(2, 2))) + 4;
            if (bytes.size() >= size) {
                pending_ = bytes.mid(size);
                Answer answer;
                answer.received = true;
                answer.frame = bytes.left(size);
                const QByteArray inner = bodyOf(answer.frame);
                answer.response = std::uint16_t(numberOf(itemOf(inner, 8).value_or(QByteArray())));
                answer.extended = std::uint32_t(numberOf(itemOf(inner, 30).value_or(QByteArray())));
                answer.body = itemOf(inner, 9).value_or(QByteArray());
                return answer;
            }
        }
        if (closed_ || std::chrono::steady_clock::now() >= end)
            return Answer{false, 0, 0, {}, bytes};
        bytes += readSome(milliseconds(50));
    }
}

Answer SimClient::exchange(const QByteArray& frame)
{
    send(frame);
    return readFrame();
}

}  // namespace sim_testing
