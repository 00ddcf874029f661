#pragma once
// A scripted register on 127.0.0.1 for exchange tests. It listens on an ephemeral port, serves
// every accepted connection on a thread of its own (no Qt, no event loop in the test), cuts the
// incoming bytes into request frames by their length field, records each one, and answers each
// request with the next step of its script, in the order the requests arrive:
//
//   TestPeer peer;
//   peer.script({answer(dataReply(item(6, "0123456789"))),
//                answerInPieces(frame, {4}, 50ms),   // EF BE xx xx, then the rest
//                noAnswer(), hangUp()});
//   korvex3_open(peer.address().c_str(), 1000, out);
//   EXPECT_EQ(commandOf(peer.requests()[0].frame), 1);
//
// Several requests on one connection take consecutive steps. When the script is used up, the
// handler given to answerEach() decides; without one the peer hangs up. A request is recorded
// before its step runs, so after a call that got its reply, requests() holds everything it
// sent; after a call that gave up early (time-out 0), awaitRequests() waits for the bytes.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <QByteArray>

#include "support/frames.h"

namespace testing_support {

using std::chrono::milliseconds;

// What the peer does with one request: after `delay`, write `pieces` with `pause` between
// them, then hang up when `hangUp` is set. No pieces and no hang-up: no answer at all (the
// connection stays open).
struct Step {
    std::vector<QByteArray> pieces;
    milliseconds delay{0};
    milliseconds pause{0};
    bool hangUp = false;
};

// These bytes at once; any bytes, so damaged frames are just answers too.
Step answer(const QByteArray& bytes);
Step answerAfter(milliseconds delay, const QByteArray& bytes);
// `bytes` cut at the given offsets (ascending), with `pause` between the pieces.
Step answerInPieces(const QByteArray& bytes, std::vector<int> cuts, milliseconds pause);
Step noAnswer();
// Close the connection before any byte, or after writing `partial`.
Step hangUp(const QByteArray& partial = {});

struct Request {
    int connection;    // 0 for the first accepted connection, and so on
    QByteArray frame;  // the whole frame as received
};

class TestPeer {
public:
    TestPeer();
    ~TestPeer();  // stops serving, closes every connection and joins the threads
    TestPeer(const TestPeer&) = delete;
    TestPeer& operator=(const TestPeer&) = delete;

    std::uint16_t port() const { return port_; }
    // "127.0.0.1:<port>", as korvex3_open takes it.
    std::string address() const;

    // Appends steps to the script.
    void script(std::vector<Step> steps);
    // Answers requests for which no scripted step is left.
    void answerEach(std::function<Step(const QByteArray& request)> handler);

    std::vector<Request> requests() const;
    // Waits until `count` requests are recorded; false when `limit` passes first.
    bool awaitRequests(std::size_t count, milliseconds limit = milliseconds(10000)) const;
    int connections() const;

private:
    void acceptLoop();
    void serve(int socket, int connection);
    Step next(const QByteArray& request);
    bool pauseFor(milliseconds span);  // false when the peer is stopping

    int listener_ = -1;
    std::uint16_t port_ = 0;
    mutable std::mutex lock_;
    mutable std::condition_variable changed_;  // a request came, or the peer stops
    bool stop_ = false;
    std::deque<Step> steps_;
    std::function<Step(const QByteArray&)> handler_;
    std::vector<Request> requests_;
    std::vector<int> sockets_;
    std::vector<std::thread> servers_;
    std::thread acceptor_;
};

// A loopback port where nothing listens (taken from the system, then released).
std::uint16_t closedLoopbackPort();

}  // namespace testing_support
