// The exported receipt-cycle functions against a loopback register: which command each runs,
// the task ids they take from the connection, and which result text each hands out.
#include <memory>

#include <QHostAddress>
#include <QTcpServer>
#include <gtest/gtest.h>

#include "korvex3/korvex3.h"
#include "support/frames.h"
#include "support/hex.h"
#include "support/log_capture.h"
#include "support/test_peer.h"

using namespace testing_support;

namespace {

constexpr korvex3_u16 kTimeout = 2000;
const QByteArray kAccepted = replyFrame({item(8, u16(0)), item(30, u32(0))});
const char* const kEnvelope = R"({"extended":0,"response":0})";

using ReceiptCall = int (*)(int, korvex3_u16, korvex3_u32&, const char*, const char*&);

int cancelDoc(int handle, korvex3_u16 timeout, korvex3_u32& taskId, const char*, const char*& out)
{
    return korvex3_fremu_cancel_doc(handle, timeout, taskId, out);
}

struct Accepted {
    ReceiptCall call;
    const char* input;
    std::uint16_t code;
};

const Accepted kAcceptedCalls[] = {
    {korvex3_fremu_open_shift, R"({"user_id":1})", 203},
    {korvex3_fremu_open_doc, R"({"doc_kind":1,"user_id":1})", 205},
    {korvex3_fremu_set_agent, "{}", 213},
    {korvex3_fremu_set_client_info, "{}", 227},
    {korvex3_fremu_set_industry_props, R"({"foiv_ident":1})", 226},
    {korvex3_fremu_query_marking, R"({"mark_stamp":"0104","mark_status":1,"quant":1})", 228},
    {korvex3_fremu_add_item, R"({"dept_id":1,"price":1,"quant":1,"intcode":"A","name":"X"})", 206},
    {korvex3_fremu_add_text, R"({"text_type":1,"text":"A"})", 218},
    {korvex3_fremu_add_footer, R"({"text_type":1,"text":"A"})", 225},
    {korvex3_fremu_print, R"({"text":"A"})", 211},
    {korvex3_fremu_print_doc, R"({"fd_number":15})", 220},
    {korvex3_fremu_close_doc, R"({"cash":100})", 209},
    {cancelDoc, nullptr, 207},
    {korvex3_fremu_close_shift, R"({"user_id":1})", 204},
};

struct Refused {
    const char* name;
    ReceiptCall call;
    const char* input;
    int result;
    const char* out;  // null: nothing handed out
};

// Rule T hands out the list of refused keys; rule S (document closing, marking check, print
// of a document) hands out nothing but the result.
const Refused kRefusedCalls[] = {
    {"open_shift", korvex3_fremu_open_shift, "{}", -8, R"(["user_id","user_name"])"},
    {"close_shift", korvex3_fremu_close_shift, "{}", -8, R"(["user_name","user_id"])"},
    {"open_doc", korvex3_fremu_open_doc, "{}", -8, R"(["doc_kind","user_id","user_name","user_inn"])"},
    {"close_doc", korvex3_fremu_close_doc, "null", -9, nullptr},
    {"add_item", korvex3_fremu_add_item, "{}", -8, R"(["dept_id","tax_id","price","quant","intcode","name"])"},
    {"set_agent", korvex3_fremu_set_agent, R"({"agent":8})", -8, R"(["agent"])"},
    {"set_client_info", korvex3_fremu_set_client_info, "null", -9, nullptr},
    {"set_industry_props", korvex3_fremu_set_industry_props, "{}", -8, R"(["foiv_ident"])"},
    {"query_marking", korvex3_fremu_query_marking, "{}", -8, nullptr},
    {"add_text", korvex3_fremu_add_text, "{}", -8, R"(["text_type","text"])"},
    {"add_footer", korvex3_fremu_add_footer, "{}", -8, R"(["text_type","text"])"},
    {"print", korvex3_fremu_print, "{}", -8, R"(["text"])"},
    {"print_doc", korvex3_fremu_print_doc, "null", -9, nullptr},
};

class ReceiptCalls : public testing::Test {
protected:
    void SetUp() override
    {
        peer->script({answer(dataReply(item(6, "0123456789")))});
        handle = korvex3_open(peer->address().c_str(), kTimeout, out);
        ASSERT_GT(handle, 0);
        peer->answerEach([](const QByteArray&) { return answer(kAccepted); });
    }
    void TearDown() override { korvex3_close(handle); }

    // The requests after the opening one.
    std::vector<QByteArray> sent() const
    {
        std::vector<QByteArray> frames;
        for (const Request& r : peer->requests())
            frames.push_back(r.frame);
        frames.erase(frames.begin());
        return frames;
    }

    std::unique_ptr<TestPeer> peer = std::make_unique<TestPeer>();
    int handle = 0;
    const char* out = "untouched";
    korvex3_u32 taskId = 777;
};

TEST_F(ReceiptCalls, EachRunsItsCommandWithTheNextTaskId)
{
    for (std::size_t i = 0; i < std::size(kAcceptedCalls); ++i) {
        const Accepted& c = kAcceptedCalls[i];
        SCOPED_TRACE(c.code);
        ASSERT_EQ(c.call(handle, kTimeout, taskId, c.input, out), 0);
        EXPECT_EQ(taskId, i + 1);
        EXPECT_STREQ(out, kEnvelope);
        const std::vector<QByteArray> frames = sent();
        ASSERT_EQ(frames.size(), i + 1);
        EXPECT_EQ(commandOf(frames[i]), c.code);
        EXPECT_EQ(toHex(payloadOf(frames[i]).left(8)), toHex(item(53, u32(korvex3_u32(i + 1)))));
    }
}

TEST_F(ReceiptCalls, RefusedInputIsNotSentAndHandsOutByTheFunctionsRule)
{
    for (const Refused& c : kRefusedCalls) {
        SCOPED_TRACE(c.name);
        out = "untouched";
        taskId = 777;
        EXPECT_EQ(c.call(handle, kTimeout, taskId, c.input, out), c.result);
        EXPECT_EQ(taskId, 0u);
        if (c.out)
            EXPECT_STREQ(out, c.out);
        else
            EXPECT_EQ(out, nullptr);
    }
    EXPECT_TRUE(sent().empty());
}

TEST_F(ReceiptCalls, FailedConnectionReportsNoTaskIdButUsesItsNumber)
{
    ASSERT_EQ(korvex3_fremu_open_shift(handle, kTimeout, taskId, R"({"user_id":1})", out), 0);
    EXPECT_EQ(taskId, 1u);
    ASSERT_EQ(korvex3_fremu_close_shift(handle, kTimeout, taskId, R"({"user_id":1})", out), 0);
    EXPECT_EQ(taskId, 2u);

    const std::uint16_t port = peer->port();
    peer.reset();
    LogCapture log;
    EXPECT_EQ(korvex3_fremu_open_shift(handle, kTimeout, taskId, R"({"user_id":1})", out), -2);
    EXPECT_EQ(taskId, 0u);
    EXPECT_EQ(out, nullptr);

    // A listener that never answers: the request goes out in full, so its id (4) is reported.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, port));
    EXPECT_EQ(korvex3_fremu_close_shift(handle, 200, taskId, R"({"user_id":1})", out), -4);
    EXPECT_EQ(taskId, 4u);
    EXPECT_EQ(out, nullptr);
    // Only the shift opening logs the result of a call that hands out nothing.
    EXPECT_EQ(log.linesStartingWith("result: "), std::vector<std::string>{"result: -2"});
}

TEST(ReceiptCallsWithoutConnection, UnknownHandleLeavesTheOutParametersAlone)
{
    const char* out = "untouched";
    korvex3_u32 taskId = 777;
    for (const Accepted& c : kAcceptedCalls) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(c.call(0, kTimeout, taskId, c.input, out), -1);
        EXPECT_STREQ(out, "untouched");
        EXPECT_EQ(taskId, 777u);
    }
}

}  // namespace
