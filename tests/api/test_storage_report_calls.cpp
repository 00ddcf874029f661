// The exported fiscal-drive, goods, report, archive and clock functions against a loopback
// register: which result text each hands out, and which task id it takes.
#include <gtest/gtest.h>

#include "korvex3/korvex3.h"
#include "support/frames.h"
#include "support/hex.h"
#include "support/test_peer.h"

using namespace testing_support;

namespace {

constexpr korvex3_u16 kTimeout = 2000;
const QByteArray kAccepted = replyFrame({item(8, u16(0)), item(30, u32(0))});

class StorageReportCalls : public testing::Test {
protected:
    void SetUp() override
    {
        peer.script({answer(dataReply(item(6, "0123456789")))});
        handle = korvex3_open(peer.address().c_str(), kTimeout, out);
        ASSERT_GT(handle, 0);
        peer.answerEach([](const QByteArray&) { return answer(kAccepted); });
    }
    void TearDown() override { korvex3_close(handle); }

    // The requests after the opening one.
    std::vector<QByteArray> sent() const
    {
        std::vector<QByteArray> frames;
        for (const Request& r : peer.requests())
            frames.push_back(r.frame);
        frames.erase(frames.begin());
        return frames;
    }

    TestPeer peer;
    int handle = 0;
    const char* out = "untouched";
    korvex3_u32 taskId = 777;
};

TEST_F(StorageReportCalls, ReportXSendsTheTaskItemOfTheFirstTaskId)
{
    ASSERT_EQ(korvex3_fremu_report_x(handle, kTimeout, taskId, out), 0);
    EXPECT_EQ(taskId, 1u);
    EXPECT_STREQ(out, R"({"extended":0,"response":0})");
    ASSERT_EQ(sent().size(), 1u);
    EXPECT_EQ(commandOf(sent()[0]), 208);
    EXPECT_EQ(toHex(payloadOf(sent()[0])), toHex(item(53, u32(1))));
}

TEST_F(StorageReportCalls, ReportXeWithoutOperatorHandsOutNothing)
{
    EXPECT_EQ(korvex3_fremu_report_xe(handle, kTimeout, taskId, "{}", out), -8);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(taskId, 0u);
    EXPECT_TRUE(sent().empty());
    // The refused call still used its task id.
    ASSERT_EQ(korvex3_fremu_report_xe(handle, kTimeout, taskId, "", out), 0);
    EXPECT_EQ(taskId, 2u);
}

TEST_F(StorageReportCalls, CloseArchiveWithoutOperatorHandsOutNothing)
{
    EXPECT_EQ(korvex3_fremu_close_archive(handle, kTimeout, taskId, "", out), -8);
    EXPECT_EQ(out, nullptr);
    EXPECT_TRUE(sent().empty());
}

TEST_F(StorageReportCalls, GetMoneyNeverTakesATaskId)
{
    peer.script({answer(dataReply(item(15, u64(5000))))});
    ASSERT_EQ(korvex3_fremu_get_money(handle, kTimeout, out), 0);
    EXPECT_STREQ(out, R"({"data":{"shift_cash":5000},"extended":0,"response":0})");
    ASSERT_EQ(korvex3_fremu_report_state(handle, kTimeout, taskId, out), 0);
    EXPECT_EQ(taskId, 1u);
    const std::vector<QByteArray> frames = sent();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(commandOf(frames[0]), 210);
    EXPECT_TRUE(payloadOf(frames[0]).isEmpty());
    EXPECT_EQ(commandOf(frames[1]), 214);
}

TEST_F(StorageReportCalls, GoodsRefusalsHandOutTheErrorListWhenThereIsOne)
{
    EXPECT_EQ(korvex3_read_goods(handle, kTimeout, R"({"range":{}})", out), -8);
    EXPECT_STREQ(out, R"(["goods_id"])");
    EXPECT_EQ(korvex3_delete_goods(handle, kTimeout, "{}", out), -8);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(korvex3_write_goods(handle, kTimeout, "{}", out), -8);
    EXPECT_STREQ(out, R"(["list","list"])");
    EXPECT_TRUE(sent().empty());
}

TEST_F(StorageReportCalls, GetFdTagHandsOutTheBytesAsBase64)
{
    peer.script({answer(dataReply(item(21, hex("01 02 03"))))});
    ASSERT_EQ(korvex3_get_fdtag(handle, kTimeout, R"({"fd_doc_id":5,"fd_tag":1077})", out), 0);
    EXPECT_STREQ(out, R"({"data":{"base64":"AQID"},"extended":0,"response":0})");
    EXPECT_EQ(commandOf(sent().at(0)), 105);
}

TEST_F(StorageReportCalls, GetFdRefusalHandsOutTheMissingKey)
{
    EXPECT_EQ(korvex3_get_fd(handle, kTimeout, R"({"fd_doc_id":"5"})", out), -8);
    EXPECT_STREQ(out, R"(["fd_doc_id"])");
}

TEST_F(StorageReportCalls, SetDateTimeSendsTheTimeWithoutTaskItem)
{
    ASSERT_EQ(korvex3_set_datetime(handle, kTimeout, R"({"date_time":1700000000})", out), 0);
    EXPECT_EQ(toHex(payloadOf(sent().at(0))), toHex(item(139, u32(1700000000))));
}

TEST(StorageReportCallsWithoutConnection, UnknownHandleLeavesTheOutParametersAlone)
{
    const char* out = "untouched";
    korvex3_u32 taskId = 777;
    EXPECT_EQ(korvex3_get_fdstate(0, kTimeout, out), -1);
    EXPECT_EQ(korvex3_fremu_close_archive(0, kTimeout, taskId, "{}", out), -1);
    EXPECT_STREQ(out, "untouched");
    EXPECT_EQ(taskId, 777u);
}

}  // namespace
