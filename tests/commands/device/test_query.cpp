// The status query: the task item it sends, the reply members it decodes (plain numbers,
// document data in Base64, counter blocks, marking results) and its exported function.
#include <gtest/gtest.h>

#include "commands/device/command_query.h"
#include "korvex3/korvex3.h"
#include "support/frames.h"
#include "support/hex.h"
#include "support/log_capture.h"
#include "support/request_cases.h"
#include "support/test_peer.h"

using namespace testing_support;

namespace {

constexpr korvex3_u16 kTimeout = 2000;

const CommandKind query = kindOf<CommandQuery>(212);

const RequestCase kRequests[] = {
    {"Task7", query, 7, "", 0, "35 00 04 00 07 00 00 00"},
    {"LargestTask", query, 0xFFFFFFFF, "", 0, "35 00 04 00 FF FF FF FF"},
    {"Task0HasNoPayload", query, 0, "", 0, ""},
    {"InputIsNotRead", query, 7, "null", 0, "35 00 04 00 07 00 00 00"},
};

class QueryRequest : public testing::TestWithParam<RequestCase> {};

TEST_P(QueryRequest, CarriesTheTaskItemAlone) { expectRequest(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Cases, QueryRequest, testing::ValuesIn(kRequests), caseName);

struct ReplyCase {
    const char* name;
    QByteArray payload;
    const char* data;  // compact JSON
};

void PrintTo(const ReplyCase& c, std::ostream* os) { *os << c.name << " " << toHex(c.payload); }

class QueryReply : public testing::TestWithParam<ReplyCase> {};

TEST_P(QueryReply, BecomesData)
{
    CommandQuery command("127.0.0.1", 1, "SN1");
    EXPECT_EQ(korvex::compact(command.parse(GetParam().payload)), GetParam().data);
}

const ReplyCase kReplies[] = {
    {"DocumentNumberAndSign", item(59, u32(42)) + item(60, QByteArray("\x04\x03\x02\x01")),
     R"({"fd_number":42,"fd_sign":16909060})"},
    {"EveryPlainNumber",
     item(58, u32(1700000000)) + item(43, u16(12)) + item(82, u8(1)) + item(101, u8(2)) + item(100, u8(3)) +
     item(102, u8(4)) + item(15, u64(5000000000ULL)) + item(83, u16(6)) + item(84, u32(7)) + item(85, u32(8)),
     R"({"fd_date":1700000000,"fd_error":3,"fd_fail":2,"fd_overflow":4,"fd_shift_state":1,"fd_waiting":6,)"
     R"("fd_waiting_date":8,"fd_waiting_document":7,"shift_cash":5000000000,"shift_id":12})"},
    {"DocumentDataInBase64", item(21, QByteArray("\x01\x02\x03")), R"({"fd_doc_data":"AQID"})"},
    {"DocumentDataPadded", item(21, QByteArray("\x01\x02\x03\x04")), R"({"fd_doc_data":"AQIDBA=="})"},
    {"EmptyDocumentDataIsLeftOut", item(21, {}) + item(59, u32(1)), R"({"fd_number":1})"},
    {"SalesCounters", item(103, item(109, u16(3)) + item(110, u64(15000))),
     R"({"sales":{"check_count":3,"check_total":15000}})"},
    {"EmptyBlockIsNull", item(103, {}), R"({"sales":null})"},
    {"BlockWithoutCountersIsNull", item(103, item(59, u32(1))), R"({"sales":null})"},
    {"LastBlockCounts", item(103, item(109, u16(1))) + item(103, item(109, u16(2))),
     R"({"sales":{"check_count":2}})"},
    {"EverySixBlocks",
     item(103, item(109, u16(1))) + item(105, item(109, u16(2))) + item(107, item(109, u16(3))) +
     item(104, item(109, u16(4))) + item(106, item(109, u16(5))) + item(108, item(110, u64(6))),
     R"({"buys":{"check_count":4},"buys_correction":{"check_total":6},"buys_return":{"check_count":5},)"
     R"("sales":{"check_count":1},"sales_correction":{"check_count":3},"sales_return":{"check_count":2}})"},
    {"MarkingResults",
     item(170, u8(1)) + item(171, u8(2)) + item(163, u8(3)) + item(173, u8(4)) + item(172, u8(5)),
     R"({"mark_handle_code":5,"mark_online_type":4,"mark_result_code":2,"mark_status":3,"mark_validation_status":1})"},
    {"ItemsBeforeATruncatedOne", item(59, u32(9)) + QByteArray("\x3C\x00\x04\x00\x01", 5),
     R"({"fd_number":9})"},
    {"NoneOfItsItems", item(6, "0123456789"), "null"},
    {"Nothing", QByteArray(), "null"},
};

INSTANTIATE_TEST_SUITE_P(Cases, QueryReply, testing::ValuesIn(kReplies),
                         [](const testing::TestParamInfo<ReplyCase>& info) { return info.param.name; });

TEST(QueryReplyLog, RecordsTheResult)
{
    LogCapture log;
    CommandQuery command("127.0.0.1", 1, "SN1");
    command.parse(item(59, u32(42)));
    ASSERT_FALSE(log.lines().empty());
    EXPECT_EQ(log.lines().back(), R"({"fd_number":42})");
}

class QueryCall : public testing::Test {
protected:
    void SetUp() override
    {
        peer.script({answer(dataReply(item(6, "0123456789")))});
        handle = korvex3_open(peer.address().c_str(), kTimeout, out);
        ASSERT_GT(handle, 0);
    }
    void TearDown() override { korvex3_close(handle); }

    QByteArray lastRequest() const { return peer.requests().back().frame; }

    TestPeer peer;
    int handle = 0;
    const char* out = "untouched";
};

TEST_F(QueryCall, SendsTheCallersTaskAndHandsOutTheDecodedReply)
{
    peer.script({answer(dataReply(item(59, u32(42)) + item(60, QByteArray("\x04\x03\x02\x01")), 2))});
    ASSERT_EQ(korvex3_fremu_query(handle, kTimeout, 7, out), 0);
    EXPECT_EQ(commandOf(lastRequest()), 212);
    EXPECT_EQ(toHex(payloadOf(lastRequest())), "35 00 04 00 07 00 00 00");
    EXPECT_STREQ(out, R"({"data":{"fd_number":42,"fd_sign":16909060},"extended":0,"response":2})");
}

TEST_F(QueryCall, EmptyReplyPayloadGivesNoData)
{
    peer.script({answer(replyFrame({item(8, u16(3)), item(30, u32(103))}))});
    ASSERT_EQ(korvex3_fremu_query(handle, kTimeout, 0, out), 0);
    EXPECT_TRUE(payloadOf(lastRequest()).isEmpty());
    EXPECT_STREQ(out, R"({"extended":103,"response":3})");
}

TEST_F(QueryCall, TouchesNoTaskCounter)
{
    peer.answerEach([](const QByteArray&) { return answer(replyFrame({item(8, u16(0)), item(30, u32(0))})); });
    ASSERT_EQ(korvex3_fremu_query(handle, kTimeout, 5, out), 0);
    korvex3_u32 taskId = 0;
    ASSERT_EQ(korvex3_fremu_open_shift(handle, kTimeout, taskId, R"({"user_id":1})", out), 0);
    EXPECT_EQ(taskId, 1u);
}

TEST(QueryCallWithoutConnection, UnknownHandleLeavesOutAlone)
{
    const char* out = "untouched";
    EXPECT_EQ(korvex3_fremu_query(0, kTimeout, 7, out), -1);
    EXPECT_STREQ(out, "untouched");
}

}  // namespace
