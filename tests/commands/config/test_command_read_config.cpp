#include <gtest/gtest.h>

#include "commands/config/command_read_config.h"
#include "support/frames.h"
#include "support/hex.h"
#include "support/test_peer.h"

using namespace testing_support;

namespace {

constexpr quint16 kTimeout = 10000;  // generous: only a hang bound

class ReadConfig : public ::testing::Test {
protected:
    int read(quint16 firstPage = 1)
    {
        command = std::make_unique<CommandReadConfig>("127.0.0.1", peer.port(), QString(), firstPage);
        return command->run(kTimeout, 9, "ignored");
    }
    // The page each request asked for.
    std::vector<std::uint64_t> pagesAskedFor() const
    {
        std::vector<std::uint64_t> pages;
        for (const Request& r : peer.requests()) {
            EXPECT_EQ(commandOf(r.frame), 7);
            const QByteArray payload = payloadOf(r.frame);
            EXPECT_EQ(payload.size(), 6) << "page_start alone, no task item";
            pages.push_back(numberOf(itemOf(payload, 11).value_or(QByteArray())));
        }
        return pages;
    }

    TestPeer peer;
    std::unique_ptr<CommandReadConfig> command;
};

TEST_F(ReadConfig, FollowsTheNamedPagesUntilTheLast)
{
    peer.script({answer(dataReply(item(11, u16(2)) + item(12, "AB"))),
                 answer(dataReply(item(12, "CD") + item(11, u16(3)))),
                 answer(dataReply(item(12, "E")))});
    ASSERT_EQ(read(1), 0);
    EXPECT_EQ(pagesAskedFor(), (std::vector<std::uint64_t>{1, 2, 3}));
    EXPECT_EQ(command->output.toStdString(), R"({"config":")" + QByteArray("ABCDE").toBase64().toStdString() + "\"}");
}

TEST_F(ReadConfig, EndsOnAReplyWithoutBodyOrNextPage)
{
    struct Case {
        const char* what;
        std::vector<Step> script;
        const char* output;
        std::size_t requests;
    };
    const Case cases[] = {
        {"first reply without body", {answer(replyFrame({item(8, u16(0))}))}, R"({"config":""})", 1},
        {"next page 0", {answer(dataReply(item(12, "A") + item(11, u16(0))))}, R"({"config":"QQ=="})", 1},
        {"page without binary, then none", {answer(dataReply(item(11, u16(4)))), answer(replyFrame({item(8, u16(0))}))},
         R"({"config":""})", 2},
    };
    for (const Case& c : cases) {
        TestPeer own;
        own.script(c.script);
        CommandReadConfig config("127.0.0.1", own.port(), QString(), 0);
        EXPECT_EQ(config.run(kTimeout, 0, {}), 0) << c.what;
        EXPECT_EQ(config.output.toStdString(), c.output) << c.what;
        EXPECT_EQ(own.requests().size(), c.requests) << c.what;
    }
}

TEST_F(ReadConfig, FourByteNextPageContinuesWithItsLow16Bits)
{
    peer.script({answer(dataReply(item(11, hex("02 00 01 00")) + item(12, "A"))), answer(dataReply(item(12, "B")))});
    ASSERT_EQ(read(7), 0);
    EXPECT_EQ(pagesAskedFor(), (std::vector<std::uint64_t>{7, 2}));
}

TEST_F(ReadConfig, ARefusalIsHandedOutAsTheRegistersVerdict)
{
    peer.script({answer(dataReply(item(11, u16(2)) + item(12, "A"))),
                 answer(replyFrame({item(8, u16(4)), item(30, u32(17)), item(9, item(12, "B"))}))});
    ASSERT_EQ(read(), 0);
    EXPECT_EQ(command->output.toStdString(), R"({"extended":17,"response":4})");
}

TEST_F(ReadConfig, ARegisterThatNeverNamesTheLastPageBreaksTheLimits)
{
    struct Case {
        const char* what;
        QByteArray body;
        std::size_t requests;
    };
    const std::size_t idle = std::size_t(CommandReadConfig::kMaxIdleCycles) + 1;
    const Case cases[] = {
        {"pages without binary", item(11, u16(2)), idle},
        {"pages with empty binary", item(11, u16(2)) + item(12, QByteArray()), idle},
        {"a byte per page, more pages than a configuration has", item(11, u16(2)) + item(12, "A"),
         std::size_t(CommandReadConfig::kMaxPages)},
    };
    for (const Case& c : cases) {
        TestPeer own;
        const QByteArray reply = dataReply(c.body);
        own.answerEach([reply](const QByteArray&) { return answer(reply); });
        CommandReadConfig config("127.0.0.1", own.port(), QString(), 1);
        EXPECT_EQ(config.run(kTimeout, 0, {}), korvex3::kReplyOverLimit) << c.what;
        EXPECT_TRUE(config.output.isEmpty()) << c.what;
        EXPECT_EQ(own.requests().size(), c.requests) << c.what;
    }
}

}  // namespace
