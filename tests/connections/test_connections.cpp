// Opening and closing connections and the shared shape of the exported device calls, against
// the scripted loopback register. Handles are process-wide: the first test here must be the
// first to open a connection in this program.
#include <array>
#include <set>
#include <thread>

#include <gtest/gtest.h>

#include "api/address.h"
#include "api/connection_info.h"
#include "api/connections.h"
#include "api/device_call.h"
#include "commands/device/command_get_state.h"
#include "korvex3/korvex3.h"
#include "support/frames.h"
#include "support/test_peer.h"

using namespace testing_support;

namespace {

const char* const kUntouched = "untouched";

QByteArray infoReply(const char* serial) { return dataReply(item(6, serial)); }

int open(const TestPeer& peer, const char*& out) { return korvex3_open(peer.address().c_str(), 2000, out); }

TEST(Handles, CountFromOneAndAreNeverReused)
{
    TestPeer peer;
    peer.answerEach([](const QByteArray&) { return answer(infoReply("0123456789")); });
    const char* out = nullptr;
    ASSERT_EQ(open(peer, out), 1);
    EXPECT_EQ(korvex3_close(1), 0);

    const std::string nowhere = "127.0.0.1:" + std::to_string(closedLoopbackPort());
    EXPECT_EQ(korvex3_open(nowhere.c_str(), 2000, out), -2);  // consumes no handle
    EXPECT_EQ(open(peer, out), 2);
    EXPECT_EQ(open(peer, out), 3);
    EXPECT_EQ(korvex3_close(2), 0);
    EXPECT_EQ(korvex3_close(3), 0);
}

struct AddressCase {
    const char* address;
    bool valid;
    const char* host;
    quint16 port;
};

void PrintTo(const AddressCase& row, std::ostream* os) { *os << '"' << (row.address ? row.address : "(null)") << '"'; }

class Address : public testing::TestWithParam<AddressCase> {};

TEST_P(Address, ParsesHostAndPort)
{
    const AddressCase& row = GetParam();
    QString host = "before";
    quint16 port = 1;
    ASSERT_EQ(korvex::api::parseAddress(row.address, host, port), row.valid);
    if (row.valid) {
        EXPECT_EQ(host.toStdString(), row.host);
        EXPECT_EQ(port, row.port);
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, Address,
                         testing::Values(AddressCase{"127.0.0.1", true, "127.0.0.1", 8080},
                                         AddressCase{"127.0.0.1:9100", true, "127.0.0.1", 9100},
                                         AddressCase{"localhost:65535", true, "localhost", 65535},
                                         AddressCase{"[::1]:9100", true, "::1", 9100},
                                         AddressCase{"127.0.0.1:9100/ignored?x=1", true, "127.0.0.1", 9100},
                                         AddressCase{"127.0.0.1:99999", false, "", 0},
                                         AddressCase{"127.0.0.1:65536", false, "", 0},
                                         AddressCase{"127.0.0.1 :9100", false, "", 0},
                                         AddressCase{"local host", false, "", 0},
                                         AddressCase{"", false, "", 0},
                                         AddressCase{nullptr, false, "", 0}));

TEST(Open, InvalidAddressGivesMinus10WithoutTraffic)
{
    TestPeer peer;
    const std::string spaced = "127.0.0.1 :" + std::to_string(peer.port());
    for (const char* address : {"127.0.0.1:99999", spaced.c_str(), static_cast<const char*>(nullptr)}) {
        const char* out = kUntouched;
        EXPECT_EQ(korvex3_open(address, 2000, out), -10) << (address ? address : "(null)");
        EXPECT_EQ(out, kUntouched);
    }
    EXPECT_EQ(peer.connections(), 0);
}

TEST(Open, NothingListeningGivesMinus2AndNoHandle)
{
    const std::string nowhere = "127.0.0.1:" + std::to_string(closedLoopbackPort());
    const char* out = kUntouched;
    EXPECT_EQ(korvex3_open(nowhere.c_str(), 2000, out), -2);
    EXPECT_EQ(out, kUntouched);
}

TEST(Open, RegisterThatGivesUpKeepsNoHandle)
{
    TestPeer peer;
    peer.script({noAnswer()});
    const char* out = kUntouched;
    EXPECT_EQ(korvex3_open(peer.address().c_str(), 100, out), -4);
    EXPECT_EQ(out, kUntouched);
}

// The serial learnt on opening goes first in every later request; without one, none is sent.
TEST(Open, SerialTravelsAsItem6OfLaterRequests)
{
    TestPeer peer;
    peer.script({answer(infoReply("0123456789")), answer(dataReply({})),
                 answer(replyFrame({item(8, u16(7))})), answer(dataReply({}))});
    const char* out = nullptr;
    const int known = open(peer, out);
    ASSERT_GT(known, 0);
    EXPECT_STREQ(out, R"({"data":{"serial":"0123456789","version":"0.0.0 lan"},"extended":0,"response":0})");
    ASSERT_EQ(korvex3_get_state(known, 2000, out), 0);

    // A register that refuses and names no serial still gives a handle.
    const int unknown = open(peer, out);
    ASSERT_GT(unknown, 0);
    EXPECT_STREQ(out, R"({"extended":0,"response":7})");
    ASSERT_EQ(korvex3_get_state(unknown, 2000, out), 0);

    const std::vector<Request> sent = peer.requests();
    ASSERT_EQ(sent.size(), 4u);
    EXPECT_FALSE(itemOf(bodyOf(sent[0].frame), 6));
    EXPECT_EQ(commandOf(sent[1].frame), 6);
    const std::vector<Item> items = itemsOf(bodyOf(sent[1].frame));
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items.front().tag, 6);
    EXPECT_EQ(items.front().value, QByteArray("0123456789"));
    EXPECT_FALSE(itemOf(bodyOf(sent[3].frame), 6));
    korvex3_close(known);
    korvex3_close(unknown);
}

TEST(Handle, NotOpenGivesMinus1AndLeavesOutParametersAlone)
{
    TestPeer peer;
    peer.script({answer(infoReply("0123456789"))});
    const char* out = nullptr;
    const int closed = open(peer, out);
    ASSERT_GT(closed, 0);
    ASSERT_EQ(korvex3_close(closed), 0);

    for (const int handle : {0, -5, closed}) {
        out = kUntouched;
        quint32 taskId = 77;
        EXPECT_EQ(korvex3_get_info(handle, 100, out), -1);
        EXPECT_EQ(korvex3_get_state(handle, 100, out), -1);
        EXPECT_EQ(korvex::api::counted<CommandGetState>(handle, 100, taskId, "{}", out, korvex::api::Out::T), -1);
        EXPECT_EQ(out, kUntouched);
        EXPECT_EQ(taskId, 77u);
        EXPECT_EQ(korvex3_close(handle), -1);
    }
    EXPECT_EQ(peer.requests().size(), 1u);
}

// Task ids come from the connection's counter and are reported only when the request went out.
TEST(Handle, CounterTaskIdsAndNullJson)
{
    auto peer = std::make_unique<TestPeer>();
    peer->answerEach([](const QByteArray&) { return answer(dataReply({})); });
    const char* out = nullptr;
    const int handle = open(*peer, out);
    ASSERT_GT(handle, 0);
    quint32 taskId = 0;
    using korvex::api::counted;
    using korvex::api::Out;
    EXPECT_EQ(counted<CommandGetState>(handle, 2000, taskId, nullptr, out, Out::T), 0);
    EXPECT_EQ(taskId, 1u);
    EXPECT_EQ(counted<CommandGetState>(handle, 2000, taskId, nullptr, out, Out::T), 0);
    EXPECT_EQ(taskId, 2u);

    peer.reset();  // the register goes away: -2, task id 0, and number 3 is used up
    out = kUntouched;
    EXPECT_EQ(counted<CommandGetState>(handle, 2000, taskId, nullptr, out, Out::T), -2);
    EXPECT_EQ(taskId, 0u);
    EXPECT_EQ(out, nullptr);

    EXPECT_EQ(korvex::connections::find(handle)->nextTaskId.load(), 4);
    korvex3_close(handle);
}

TEST(Texts, StayReadableUntilClose)
{
    TestPeer peer;
    peer.script({answer(infoReply("0123456789")), answer(replyFrame({item(8, u16(1))})),
                 answer(replyFrame({item(8, u16(2))})), answer(replyFrame({item(8, u16(3))}))});
    const char* opened = nullptr;
    const int handle = open(peer, opened);
    ASSERT_GT(handle, 0);
    std::array<const char*, 3> texts{};
    for (const char*& text : texts)
        ASSERT_EQ(korvex3_get_info(handle, 2000, text), 0);

    EXPECT_STREQ(opened, R"({"data":{"serial":"0123456789","version":"0.0.0 lan"},"extended":0,"response":0})");
    EXPECT_STREQ(texts[0], R"({"extended":0,"response":1})");
    EXPECT_STREQ(texts[1], R"({"extended":0,"response":2})");
    EXPECT_STREQ(texts[2], R"({"extended":0,"response":3})");
    EXPECT_EQ(korvex3_close(handle), 0);
}

TEST(Texts, CopiedUpToTheFirstNul)
{
    ConnectionInfo record;
    EXPECT_STREQ(record.addString(QByteArray("ab\0cd", 5)), "ab");
    EXPECT_STREQ(record.addString(QByteArray()), "");
}

// Several host threads, each with its own register and handle, at the same time.
TEST(Threads, CallsOnDifferentHandlesRunAtOnce)
{
    constexpr int kThreads = 6;
    std::array<std::unique_ptr<TestPeer>, kThreads> peers;
    std::array<int, kThreads> handles{};
    std::array<std::string, kThreads> infos;
    std::array<int, kThreads> results{};
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i) {
        peers[i] = std::make_unique<TestPeer>();
        const std::string serial = "SERIAL000" + std::to_string(i);
        peers[i]->answerEach([serial](const QByteArray&) {
            return answerInPieces(infoReply(serial.c_str()), {4}, std::chrono::milliseconds(20));
        });
    }
    for (int i = 0; i < kThreads; ++i)
        threads.emplace_back([&, i] {
            const char* out = nullptr;
            handles[i] = korvex3_open(peers[i]->address().c_str(), 5000, out);
            results[i] = korvex3_get_info(handles[i], 5000, out);
            infos[i] = results[i] == 0 ? out : "";
        });
    for (std::thread& thread : threads)
        thread.join();

    std::set<int> distinct(handles.begin(), handles.end());
    EXPECT_EQ(distinct.size(), std::size_t(kThreads));
    for (int i = 0; i < kThreads; ++i) {
        EXPECT_GT(handles[i], 0);
        EXPECT_EQ(results[i], 0);
        EXPECT_EQ(Json::parse(infos[i], nullptr, false)["data"]["serial"], "SERIAL000" + std::to_string(i));
        const std::vector<Request> sent = peers[i]->requests();
        ASSERT_EQ(sent.size(), 2u);
        EXPECT_EQ(itemOf(bodyOf(sent[1].frame), 6).value_or(QByteArray()).toStdString(),
                  "SERIAL000" + std::to_string(i));
        korvex3_close(handles[i]);
    }
}

}  // namespace
