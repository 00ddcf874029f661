// The exchange loop of Command against a scripted loopback register: results, `sent`,
// `output`, the reply assembly from pieces, and use from a thread that Qt does not know.
#include <cstdio>
#include <thread>

#include <gtest/gtest.h>
#include <unistd.h>

#include "commands/device/command_get_info.h"
#include "link/packet.h"
#include "support/frames.h"
#include "support/log_capture.h"
#include "support/test_peer.h"

using namespace testing_support;
using namespace std::chrono_literals;

namespace {

const QByteArray kSerialPayload = item(6, "0123456789");
const std::string kSerialEnvelope =
    R"({"data":{"serial":"0123456789","version":"0.0.0 lan"},"extended":0,"response":0})";

struct ExchangeCase {
    const char* name;
    Step step;
    quint16 timeout;
    int result;
    std::string output;  // sent is true in every row: the peer always got the whole request
};

void PrintTo(const ExchangeCase& row, std::ostream* os) { *os << row.name; }

class Exchange : public testing::TestWithParam<ExchangeCase> {};

TEST_P(Exchange, GivesResultAndOutput)
{
    const ExchangeCase& row = GetParam();
    TestPeer peer;
    peer.script({row.step});
    CommandGetInfo command("127.0.0.1", peer.port(), QString());

    EXPECT_EQ(command.run(row.timeout, 0, {}), row.result);
    EXPECT_TRUE(command.sent);
    EXPECT_EQ(command.output.toStdString(), row.output);
    ASSERT_TRUE(peer.awaitRequests(1));
    EXPECT_EQ(peer.requests().size(), 1u);
}

const QByteArray kWhole = dataReply(kSerialPayload);

INSTANTIATE_TEST_SUITE_P(
    Replies, Exchange,
    testing::Values(
        ExchangeCase{"WholeReply", answer(kWhole), 2000, 0, kSerialEnvelope},
        ExchangeCase{"HeaderThenRest", answerInPieces(kWhole, {4}, 150ms), 2000, 0, kSerialEnvelope},
        // One byte cannot be told from a wrong magic yet; the rest comes within the time-out.
        ExchangeCase{"OneByteThenRest", answerInPieces(kWhole, {1}, 150ms), 2000, 0, kSerialEnvelope},
        ExchangeCase{"ManySmallPieces", answerInPieces(kWhole, {1, 2, 3, 5, 9, 20}, 30ms), 2000, 0,
                     kSerialEnvelope},
        ExchangeCase{"ResponseOnly", answer(replyFrame({item(8, u16(5))})), 2000, 0,
                     R"({"extended":0,"response":5})"},
        ExchangeCase{"EmptyBody", answer(replyFrame({})), 2000, 0, R"({"extended":0,"response":0})"},
        ExchangeCase{"EmptyItem9", answer(replyFrame({item(8, u16(0)), item(30, u32(0)), item(9, "")})), 2000,
                     0, R"({"extended":0,"response":0})"},
        ExchangeCase{"ExtendedPassedOn", answer(replyFrame({item(8, u16(3)), item(30, u32(0x01020304))})), 2000,
                     0, R"({"extended":16909060,"response":3})"},
        // Nothing in the reply is compared with the request.
        ExchangeCase{"OtherCommandAndSerial",
                     answer(replyFrame({item(7, u16(99)), item(6, "other"), item(8, u16(0))})), 2000, 0,
                     R"({"extended":0,"response":0})"},
        ExchangeCase{"NeverAnswers", noAnswer(), 200, -4, ""},
        ExchangeCase{"TimeoutZeroDelayedAnswer", answerAfter(300ms, kWhole), 0, -4, ""},
        ExchangeCase{"HeaderOnlyThenSilence", answer(kWhole.left(4)), 200, -4, ""},
        ExchangeCase{"HangsUpBeforeAnyByte", hangUp(), 2000, -4, ""},
        ExchangeCase{"HangsUpInsideFrame", hangUp(kWhole.left(10)), 2000, -4, ""},
        ExchangeCase{"DamagedCrc", answer(withBadCrc(kWhole)), 2000, -6, ""},
        ExchangeCase{"BytesAfterFrame", answer(kWhole + QByteArray(1, '\0')), 2000, -6, ""},
        ExchangeCase{"WrongMagic", answer(withMagic(kWhole, 0x1234)), 2000, -7, ""},
        ExchangeCase{"WrongMagicInPieces", answerInPieces(withMagic(kWhole, 0xBE00), {1}, 100ms), 2000, -7, ""}),
    [](const testing::TestParamInfo<ExchangeCase>& info) { return std::string(info.param.name); });

TEST(ExchangeConnect, NothingListeningGivesMinus2WithoutSending)
{
    const quint16 port = closedLoopbackPort();
    CommandGetInfo command("127.0.0.1", port, QString());
    EXPECT_EQ(command.run(1000, 0, {}), -2);
    EXPECT_FALSE(command.sent);
    EXPECT_TRUE(command.output.isEmpty());

    EXPECT_EQ(command.query(1000, Packet::make(1, QString(), {})), -2);
    EXPECT_FALSE(command.sent);
    EXPECT_TRUE(command.output.isEmpty());
}

TEST(ExchangeLog, OneReadLinePerPiece)
{
    LogCapture log;
    TestPeer peer;
    peer.script({answerInPieces(kWhole, {4}, 150ms)});
    CommandGetInfo command("127.0.0.1", peer.port(), QString());
    ASSERT_EQ(command.run(2000, 0, {}), 0);

    const std::vector<std::string> expected{"read 4 bytes", "read " + std::to_string(kWhole.size() - 4) + " bytes"};
    EXPECT_EQ(log.linesStartingWith("read "), expected);
    EXPECT_EQ(log.linesStartingWith("sent "), std::vector<std::string>{"sent 22 bytes"});
}

TEST(ExchangeQuery, SameOutputAsRunAndReplyUntouched)
{
    TestPeer peer;
    peer.script({answer(kWhole), answer(kWhole)});
    CommandGetInfo byRun("127.0.0.1", peer.port(), QString());
    ASSERT_EQ(byRun.run(2000, 0, {}), 0);

    const QByteArray frame = Packet::make(1, QString(), {});
    CommandGetInfo byQuery("127.0.0.1", peer.port(), QString());
    byQuery.reply = "untouched";
    ASSERT_EQ(byQuery.query(2000, frame), 0);

    EXPECT_EQ(byQuery.output, byRun.output);
    EXPECT_TRUE(byQuery.sent);
    EXPECT_EQ(byQuery.reply, QByteArray("untouched"));
    ASSERT_EQ(peer.requests().size(), 2u);
    EXPECT_EQ(peer.requests()[1].frame, frame);
    EXPECT_NE(peer.requests()[0].connection, peer.requests()[1].connection);
}

TEST(ExchangeQuery, FailuresAfterSendingKeepSent)
{
    TestPeer peer;
    peer.script({noAnswer(), answer(withBadCrc(kWhole)), answer(withMagic(kWhole, 0))});
    CommandGetInfo command("127.0.0.1", peer.port(), QString());
    const QByteArray frame = Packet::make(1, QString(), {});
    for (const int expected : {-4, -6, -7}) {
        EXPECT_EQ(command.query(200, frame), expected);
        EXPECT_TRUE(command.sent);
        EXPECT_TRUE(command.output.isEmpty());
    }
}

TEST(ExchangeText, InvalidUtf8BecomesReplacementCharacter)
{
    TestPeer peer;
    peer.script({answer(dataReply(item(6, QByteArray("AB\xFF\xFE", 4))))});
    CommandGetInfo command("127.0.0.1", peer.port(), QString());
    ASSERT_EQ(command.run(2000, 0, {}), 0);

    const Json envelope = Json::parse(command.output.toStdString());
    EXPECT_EQ(envelope["data"]["serial"], "AB\xEF\xBF\xBD\xEF\xBF\xBD");
}

// Everything fd 2 receives while the object lives.
class StderrCapture {
public:
    StderrCapture() : file_(std::tmpfile()), saved_(::dup(2))
    {
        std::fflush(stderr);
        ::dup2(::fileno(file_), 2);
    }
    ~StderrCapture() { std::fclose(file_); }

    std::string finish()
    {
        std::fflush(stderr);
        ::dup2(saved_, 2);
        ::close(saved_);
        std::string text;
        std::rewind(file_);
        for (int c; (c = std::fgetc(file_)) != EOF;)
            text += char(c);
        return text;
    }

private:
    std::FILE* file_;
    int saved_;
};

// Host programs call from threads Qt never saw, often without a QCoreApplication; a name
// (not only an address) must resolve there too.
TEST(ExchangeThreads, PlainThreadWithoutQtApplicationWritesNoWarnings)
{
    TestPeer peer;
    peer.script({answerInPieces(kWhole, {4}, 50ms), answer(kWhole)});
    std::vector<int> results;
    std::vector<std::string> outputs;
    StderrCapture errors;
    std::thread([&] {
        for (const char* host : {"127.0.0.1", "localhost"}) {
            CommandGetInfo command(host, peer.port(), QString());
            results.push_back(command.run(2000, 0, {}));
            outputs.push_back(command.output.toStdString());
        }
    }).join();
    const std::string written = errors.finish();

    EXPECT_EQ(results, (std::vector<int>{0, 0}));
    EXPECT_EQ(outputs, (std::vector<std::string>{kSerialEnvelope, kSerialEnvelope}));
    EXPECT_EQ(written, "");
}

}  // namespace
