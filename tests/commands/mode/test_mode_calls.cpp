// The exported mode-control functions against a loopback register: what each sends, and what
// reaches the caller of the ones that hand out the envelope and of the ones that drop it.
#include <memory>

#include <gtest/gtest.h>

#include "korvex3/korvex3.h"
#include "support/frames.h"
#include "support/hex.h"
#include "support/test_peer.h"

using namespace testing_support;

namespace {

constexpr korvex3_u16 kTimeout = 2000;
const char* const kSerial = "0123456789";

QByteArray answerWith(std::uint16_t response, const QByteArray& payload = {})
{
    if (payload.isEmpty())
        return replyFrame({item(8, u16(response)), item(30, u32(0))});
    return replyFrame({item(8, u16(response)), item(30, u32(0)), item(9, payload)});
}

class ModeCalls : public testing::Test {
protected:
    void SetUp() override
    {
        peer.script({answer(dataReply(item(6, kSerial)))});
        handle = korvex3_open(peer.address().c_str(), kTimeout, out);
        ASSERT_GT(handle, 0);
    }
    void TearDown() override { korvex3_close(handle); }

    // The one request after the opening; empty when none went out.
    QByteArray lastRequest() const
    {
        const std::vector<Request> all = peer.requests();
        return all.size() > 1 ? all.back().frame : QByteArray();
    }
    std::size_t sentAfterOpening() const { return peer.requests().size() - 1; }

    TestPeer peer;
    int handle = 0;
    const char* out = "untouched";
};

TEST_F(ModeCalls, EnterSendsSerialVersionAndCodeWithoutPayload)
{
    peer.script({answer(answerWith(0))});
    ASSERT_EQ(korvex3_fremu_enter(handle, kTimeout, out), 0);
    EXPECT_STREQ(out, R"({"extended":0,"response":0})");
    const QByteArray body = bodyOf(lastRequest());
    EXPECT_EQ(itemOf(body, 6).value_or("none"), kSerial);
    EXPECT_TRUE(itemOf(body, 65).has_value());
    EXPECT_EQ(commandOf(lastRequest()), 201);
    EXPECT_FALSE(itemOf(body, 9).has_value());
}

TEST_F(ModeCalls, EnterAndExitHandOutTheRegistersVerdict)
{
    peer.script({answer(answerWith(3)), answer(answerWith(0, item(59, u32(1))))});
    ASSERT_EQ(korvex3_fremu_enter(handle, kTimeout, out), 0);
    EXPECT_STREQ(out, R"({"extended":0,"response":3})");
    // The base conversion gives any reply payload the value null.
    ASSERT_EQ(korvex3_fremu_exit(handle, kTimeout, out), 0);
    EXPECT_STREQ(out, R"({"data":null,"extended":0,"response":0})");
    EXPECT_EQ(commandOf(lastRequest()), 202);
}

TEST_F(ModeCalls, ResetsReturnTheExchangeResultOnly)
{
    peer.script({answer(answerWith(5)), answer(answerWith(7))});
    EXPECT_EQ(korvex3_fremu_reset(handle, kTimeout), 0);
    EXPECT_EQ(commandOf(lastRequest()), 223);
    EXPECT_EQ(korvex3_reset(handle, kTimeout), 0);
    EXPECT_EQ(commandOf(lastRequest()), 15);
    EXPECT_TRUE(payloadOf(lastRequest()).isEmpty());
}

TEST_F(ModeCalls, KeepAliveSendsTheTimeoutItem)
{
    peer.script({answer(answerWith(0)), answer(answerWith(0))});
    ASSERT_EQ(korvex3_fremu_keep_alive(handle, kTimeout, R"({"timeout": 60})", out), 0);
    EXPECT_EQ(commandOf(lastRequest()), 224);
    EXPECT_EQ(toHex(payloadOf(lastRequest())), "8A 00 04 00 3C 00 00 00");
    EXPECT_STREQ(out, R"({"extended":0,"response":0})");
    ASSERT_EQ(korvex3_fremu_keep_alive(handle, kTimeout, nullptr, out), 0);
    EXPECT_TRUE(payloadOf(lastRequest()).isEmpty());
}

TEST_F(ModeCalls, KeepAliveRefusesNullWithoutSending)
{
    EXPECT_EQ(korvex3_fremu_keep_alive(handle, kTimeout, "null", out), -9);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(sentAfterOpening(), 0u);
}

TEST_F(ModeCalls, FailedExchangeHandsOutNothing)
{
    peer.script({hangUp(), hangUp()});
    EXPECT_EQ(korvex3_fremu_enter(handle, 300, out), -4);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(korvex3_reset(handle, 300), -4);
}

TEST(ModeCallsWithoutConnection, UnknownHandleGivesMinusOneAndLeavesOutAlone)
{
    const char* out = "untouched";
    EXPECT_EQ(korvex3_fremu_enter(0, kTimeout, out), -1);
    EXPECT_EQ(korvex3_fremu_exit(0, kTimeout, out), -1);
    EXPECT_EQ(korvex3_fremu_keep_alive(0, kTimeout, R"({"timeout":60})", out), -1);
    EXPECT_EQ(korvex3_fremu_keep_alive(0, kTimeout, "null", out), -1);
    EXPECT_STREQ(out, "untouched");
    EXPECT_EQ(korvex3_fremu_reset(0, kTimeout), -1);
    EXPECT_EQ(korvex3_reset(0, kTimeout), -1);
}

}  // namespace
