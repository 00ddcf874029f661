#pragma once
// A plain loopback client for wire-level tests of the simulator: it writes hand-built request
// frames and reads whole reply frames, with generous limits so that a hang fails instead of
// blocking.
//
//   SimClient client(simulator.port());
//   const Answer a = client.call(203, task(1) + item(50, "Kassir"));
//   EXPECT_EQ(a.response, 0);

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include <QByteArray>

#include "support/frames.h"
#include "support/hex.h"

namespace sim_testing {

using std::chrono::milliseconds;
using namespace testing_support;

inline constexpr const char* kSerial = "0123456789";

struct Answer {
    bool received = false;  // a whole frame arrived
    std::uint16_t response = 0;
    std::uint32_t extended = 0;
    QByteArray body;        // item 9
    QByteArray frame;
};

// The value of the first item with `tag`; a test failure (and an empty value) when there is none.
QByteArray valueOf(const QByteArray& body, std::uint16_t tag);

// The request frame: serial (when given), client version, command, payload (when given).
QByteArray requestFrame(std::uint16_t cmd, const QByteArray& payload = {}, const char* serial = kSerial);
// The task item 53.
QByteArray task(std::uint32_t id);

class SimClient {
public:
    explicit SimClient(std::uint16_t port);
    ~SimClient();
    SimClient(const SimClient&) = delete;
    SimClient& operator=(const SimClient&) = delete;

    void send(const QByteArray& bytes);
    Answer call(std::uint16_t cmd, const QByteArray& payload = {}) { return exchange(requestFrame(cmd, payload)); }
    Answer exchange(const QByteArray& frame);
    // One reply frame as cut by its length field; received false when none came in time.
    Answer readFrame(milliseconds limit = milliseconds(5000));

    // Bytes as they arrive: one read's worth, empty when nothing came within `limit` or the
    // peer closed (then closed() is true).
    QByteArray readSome(milliseconds limit);
    // Everything until the peer closes the connection or `limit` passes.
    QByteArray readUntilClosed(milliseconds limit = milliseconds(5000));
    bool closed() const { return closed_; }

private:
    int socket_ = -1;
    bool closed_ = false;
    QByteArray pending_;
};

}  // namespace sim_testing
