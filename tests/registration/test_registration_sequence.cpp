#include <deque>
#include <mutex>

#include <gtest/gtest.h>

#include "korvex3/korvex3.h"
#include "registration/registration.h"
#include "support/frames.h"
#include "support/hex.h"
#include "support/test_peer.h"

using namespace testing_support;

namespace {

constexpr quint16 kTimeout = 10000;  // generous: only a hang bound
constexpr int kQuery = 212;

struct Status {
    int response;
    int extended;
};

QByteArray statusFrame(Status s) { return replyFrame({item(8, u16(std::uint16_t(s.response))), item(30, u32(std::uint32_t(s.extended)))}); }

// A register that answers the step commands (215, 216, 217) and the status queries each from
// a queue of its own, with 0/0 once a queue is used up (or 3/103 for queries when `busy`).
class Register {
public:
    explicit Register(TestPeer& peer)
    {
        peer.answerEach([this](const QByteArray& request) { return answer(statusFrame(next(request))); });
    }
    void steps(std::deque<Status> s) { std::lock_guard<std::mutex> g(lock); stepAnswers = std::move(s); }
    void statuses(std::deque<Status> s) { std::lock_guard<std::mutex> g(lock); queryAnswers = std::move(s); }
    void busyForever() { std::lock_guard<std::mutex> g(lock); busy = true; }

private:
    Status next(const QByteArray& request)
    {
        std::lock_guard<std::mutex> g(lock);
        std::deque<Status>& queue = commandOf(request) == kQuery ? queryAnswers : stepAnswers;
        if (queue.empty())
            return commandOf(request) == kQuery && busy ? Status{3, 103} : Status{0, 0};
        const Status s = queue.front();
        queue.pop_front();
        return s;
    }

    std::mutex lock;
    std::deque<Status> stepAnswers, queryAnswers;
    bool busy = false;
};

struct Sent {
    int code;
    quint32 task;
    QByteArray payload;
};

class RegistrationSequence : public ::testing::Test {
protected:
    RegistrationSequence() : scripted(peer) { connection.host = "127.0.0.1"; }

    int registerWith(const char* json) { return registration(&connection, peer.port(), kTimeout, taskId, json, out); }
    std::vector<Sent> sent() const
    {
        std::vector<Sent> result;
        for (const Request& r : peer.requests()) {
            const QByteArray payload = payloadOf(r.frame);
            result.push_back({commandOf(r.frame), quint32(numberOf(itemOf(payload, 53).value_or(QByteArray()))), payload});
        }
        return result;
    }
    std::vector<int> codes() const
    {
        std::vector<int> result;
        for (const Sent& s : sent())
            result.push_back(s.code);
        return result;
    }

    TestPeer peer;
    Register scripted;
    ConnectionInfo connection;
    quint32 taskId = 777;
    const char* out = "untouched";
};

TEST_F(RegistrationSequence, WithoutLongAttributesOpensWaitsAndCompletes)
{
    ASSERT_EQ(registerWith(R"({"regnum":"R1","fd_mode":1})"), 0);
    EXPECT_EQ(codes(), (std::vector<int>{215, kQuery, 217}));
    const std::vector<Sent> s = sent();
    EXPECT_EQ(s[0].task, 1u);
    EXPECT_EQ(s[1].task, 1u);
    EXPECT_EQ(toHex(s[2].payload), toHex(item(53, u32(2)) + item(28, "R1") + item(26, u8(1))));
    EXPECT_STREQ(out, R"({"extended":0,"response":0})");
    EXPECT_EQ(taskId, 2u);
}

TEST_F(RegistrationSequence, EachLongAttributeIsAnItemStepOfItsOwn)
{
    ASSERT_EQ(registerWith(R"({"fns_site":"nalog.ru","company_name":"Рога","regnum":"R"})"), 0);
    EXPECT_EQ(codes(), (std::vector<int>{215, kQuery, 216, kQuery, 216, kQuery, 217}));
    const std::vector<Sent> s = sent();
    EXPECT_EQ(toHex(s[2].payload), toHex(item(53, u32(2)) + item(91, hex("D0 EE E3 E0"))));
    EXPECT_EQ(s[3].task, 2u);
    EXPECT_EQ(toHex(s[4].payload), toHex(item(53, u32(3)) + item(97, "nalog.ru")));
    EXPECT_EQ(s[5].task, 3u);
    EXPECT_EQ(toHex(s[6].payload), toHex(item(53, u32(4)) + item(28, "R")));
    EXPECT_EQ(taskId, 4u);
}

TEST_F(RegistrationSequence, AnUnfinishedTaskIsAskedAboutAgainWithTheSameId)
{
    scripted.statuses({{3, 103}, {3, 103}, {3, 103}});
    ASSERT_EQ(registerWith("{}"), 0);
    EXPECT_EQ(codes(), (std::vector<int>{215, kQuery, kQuery, kQuery, kQuery, 217}));
    std::vector<quint32> tasks;
    for (const Sent& s : sent())
        tasks.push_back(s.task);
    EXPECT_EQ(tasks, (std::vector<quint32>{1, 1, 1, 1, 1, 2}));
    EXPECT_EQ(peer.connections(), 6);  // every exchange on a connection of its own
}

TEST_F(RegistrationSequence, ARefusedOrFailedStepStopsWithItsVerdict)
{
    struct Case {
        const char* what;
        std::deque<Status> steps;
        std::deque<Status> statuses;
        const char* out;
        std::vector<int> codes;
    };
    const Case cases[] = {
        {"opening refused", {{6, 0}}, {}, R"({"extended":0,"response":6})", {215}},
        {"second item refused", {{0, 0}, {0, 0}, {9, 2}}, {}, R"({"extended":2,"response":9})",
         {215, kQuery, 216, kQuery, 216}},
        {"opening task failed", {}, {{3, 104}}, R"({"extended":104,"response":3})", {215, kQuery}},
        {"item task failed while waiting", {}, {{0, 0}, {3, 103}, {1, 0}}, R"({"extended":0,"response":1})",
         {215, kQuery, 216, kQuery, kQuery}},
    };
    for (const Case& c : cases) {
        TestPeer own;
        Register r(own);
        r.steps(c.steps);
        r.statuses(c.statuses);
        ConnectionInfo info;
        info.host = "127.0.0.1";
        taskId = 777;
        out = nullptr;
        EXPECT_EQ(registration(&info, own.port(), kTimeout, taskId, R"({"company_name":"A","sale_address":"B"})", out),
                  0) << c.what;
        EXPECT_STREQ(out, c.out) << c.what;
        EXPECT_EQ(taskId, 777u) << c.what;
        std::vector<int> codes;
        for (const Request& request : own.requests())
            codes.push_back(commandOf(request.frame));
        EXPECT_EQ(codes, c.codes) << c.what;
    }
}

TEST_F(RegistrationSequence, InputThatIsNullOrNotJsonIsRefusedWithoutExchange)
{
    for (const char* json : {"null", "{\"regnum\":", "", " x", static_cast<const char*>(nullptr)}) {
        EXPECT_EQ(registerWith(json), korvex3::kInvalidFields) << (json ? json : "(null)");
        EXPECT_STREQ(out, "untouched");
        EXPECT_EQ(taskId, 777u);
    }
    EXPECT_EQ(peer.connections(), 0);
}

TEST_F(RegistrationSequence, InputALaterStepWouldRefuseOpensNoRegistration)
{
    const std::string longName = R"({"company_name":")" + std::string(70000, 'A') + "\"}";
    for (const std::string& json : {std::string(R"({"company_inn":"7707083894"})"), longName}) {
        EXPECT_EQ(registerWith(json.c_str()), korvex3::kInvalidFields) << json.substr(0, 40);
        EXPECT_STREQ(out, "untouched");
        EXPECT_EQ(taskId, 777u);
    }
    EXPECT_EQ(peer.connections(), 0);
}

TEST_F(RegistrationSequence, AnExchangeFailureEndsWithItsCode)
{
    ConnectionInfo nowhere;
    nowhere.host = "127.0.0.1";
    EXPECT_EQ(registration(&nowhere, closedLoopbackPort(), kTimeout, taskId, "{}", out), korvex3::kNoConnection);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(taskId, 777u);

    CmdReg withoutConnection;
    EXPECT_EQ(beginRegistration(withoutConnection), korvex3::kNoHandle);
    EXPECT_EQ(addRegistrationItem(withoutConnection), korvex3::kNoHandle);
    EXPECT_EQ(registration(nullptr, peer.port(), kTimeout, taskId, "{}", out), korvex3::kNoHandle);
}

TEST_F(RegistrationSequence, ATaskThatNeverFinishesEndsTheStepOnceTheWaitLimitHasPassed)
{
    scripted.busyForever();
    CmdReg reg;
    reg.connection = &connection;
    reg.port = peer.port();
    reg.waitLimit = std::chrono::milliseconds(300);
    EXPECT_EQ(beginRegistration(reg), korvex3::kNoReply);
    EXPECT_FALSE(reg.completed);
    EXPECT_EQ(reg.resultText, nullptr);
    EXPECT_GE(codes().size(), 2u);
}

TEST_F(RegistrationSequence, TheItemStepSendsItsItemText)
{
    CmdReg reg;
    reg.connection = &connection;
    reg.port = peer.port();
    reg.itemJson = R"({"fd_tag":94,"value":"AQID"})";
    ASSERT_EQ(addRegistrationItem(reg), 0);
    EXPECT_TRUE(reg.completed);
    EXPECT_EQ(toHex(sent()[0].payload), toHex(item(53, u32(1)) + item(94, hex("01 02 03"))));
}

TEST(RegistrationFunction, LooksTheHandleUp)
{
    quint32 taskId = 777;
    const char* out = "untouched";
    EXPECT_EQ(korvex3_fremu_registration(0, kTimeout, taskId, "{}", out), korvex3::kNoHandle);
    EXPECT_STREQ(out, "untouched");
    EXPECT_EQ(taskId, 777u);

    TestPeer peer;
    peer.script({answer(dataReply(item(6, "0000000000000042")))});
    const int handle = korvex3_open(peer.address().c_str(), kTimeout, out);
    ASSERT_GT(handle, 0);
    Register scripted(peer);
    ASSERT_EQ(korvex3_fremu_registration(handle, kTimeout, taskId, "{}", out), 0);
    EXPECT_STREQ(out, R"({"extended":0,"response":0})");
    EXPECT_EQ(taskId, 2u);
    const std::vector<Request> requests = peer.requests();
    ASSERT_EQ(requests.size(), 4u);  // information, 215, query, 217
    EXPECT_EQ(itemOf(bodyOf(requests[3].frame), 6).value_or(QByteArray()), "0000000000000042");
    korvex3_close(handle);
}

}  // namespace
