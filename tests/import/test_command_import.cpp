#include <gtest/gtest.h>

#include "import/command_import.h"
#include "korvex3/korvex3.h"
#include "support/frames.h"
#include "support/hex.h"
#include "support/test_peer.h"

using namespace testing_support;

namespace {

constexpr quint16 kTimeout = 10000;  // generous: only a hang bound

QByteArray piece(std::uint16_t response, const QByteArray& body, std::uint32_t extended = 0)
{
    if (body.isEmpty())
        return replyFrame({item(8, u16(response)), item(30, u32(extended))});
    return replyFrame({item(8, u16(response)), item(30, u32(extended)), item(9, body)});
}

QByteArray document(quint16 type, const QByteArray& items)
{
    return u16(type) + u16(quint16(items.size())) + items;
}

class ImportRun : public ::testing::Test {
protected:
    int run(const QByteArray& input, bool escaped = false)
    {
        command = std::make_unique<CommandImport>("127.0.0.1", peer.port(), QString(), escaped);
        return command->run(kTimeout, 0, input);
    }
    std::vector<int> codes() const
    {
        std::vector<int> result;
        for (const Request& r : peer.requests())
            result.push_back(commandOf(r.frame));
        return result;
    }

    TestPeer peer;
    std::unique_ptr<CommandImport> command;
};

TEST_F(ImportRun, PiecesAreGatheredUntilTheLastOneAndComposed)
{
    const QByteArray doc = document(3, item(1038, u32(12)) + item(1020, hex("E8 03")));
    const int cut = 7;  // inside the first item: pieces need not follow item boundaries
    peer.script({answer(piece(0, doc.left(cut))), answer(piece(0, {})), answer(piece(5, doc.mid(cut)))});

    ASSERT_EQ(run(""), 0);
    EXPECT_EQ(codes(), (std::vector<int>{404, 405, 405}));
    const auto requests = peer.requests();
    EXPECT_EQ(toHex(payloadOf(requests[0].frame)), toHex(item(20, u32(0))));
    EXPECT_TRUE(payloadOf(requests[1].frame).isEmpty());
    for (const Request& r : requests)
        EXPECT_EQ(r.connection, 0);
    EXPECT_EQ(command->documentBuffer, doc);
    EXPECT_EQ(command->output.toStdString(),
              R"({"data":{"check_total":100000,"fd_doc_type":3,"list":null,"shift_id":12},"extended":0,"response":0})");
}

TEST_F(ImportRun, ASingleLastPieceIsComposedAtOnce)
{
    peer.script({answer(piece(5, document(2, item(1054, hex("01")))))});
    ASSERT_EQ(run(R"({"fd_doc_id":42})"), 0);
    EXPECT_EQ(codes(), std::vector<int>{404});
    EXPECT_EQ(toHex(payloadOf(peer.requests()[0].frame)), toHex(item(20, u32(42))));
    EXPECT_EQ(command->output.toStdString(),
              R"({"data":{"doc_kind":1,"fd_doc_type":2,"list":null},"extended":0,"response":0})");
}

TEST_F(ImportRun, TheRegistersVerdictIsHandedOutWithoutData)
{
    struct Case {
        const char* what;
        std::vector<Step> script;
        const char* output;
    };
    const Case cases[] = {
        {"last piece before any data", {answer(piece(5, {}, 7))}, R"({"extended":7,"response":5})"},
        {"refusal at once", {answer(piece(2, item(1038, u32(1)), 9))}, R"({"extended":9,"response":2})"},
        {"refusal after a piece", {answer(piece(0, hex("03 00"))), answer(piece(4, {}, 1))},
         R"({"extended":1,"response":4})"},
    };
    for (const Case& c : cases) {
        TestPeer own;
        own.script(c.script);
        CommandImport import("127.0.0.1", own.port(), QString(), false);
        EXPECT_EQ(import.run(kTimeout, 0, "{}"), 0) << c.what;
        EXPECT_EQ(import.output.toStdString(), c.output) << c.what;
    }
}

TEST_F(ImportRun, InputThatIsNullOrNotJsonIsRefusedWithoutSending)
{
    for (const char* input : {"null", "{\"fd_doc_id\":", "abc", " "}) {
        EXPECT_EQ(run(input), korvex3::kInvalidFields) << input;
        EXPECT_TRUE(command->output.isEmpty()) << input;
        EXPECT_FALSE(command->sent) << input;
    }
    EXPECT_TRUE(peer.requests().empty());
}

TEST_F(ImportRun, ARegisterThatNeverEndsTheTransferBreaksTheLimits)
{
    struct Case {
        const char* what;
        QByteArray body;
        std::size_t maxRequests;
    };
    const Case cases[] = {
        {"pieces without bytes", {}, std::size_t(CommandImport::kMaxIdleCycles) + 1},
        {"pieces past the largest document", QByteArray(1000, 'x'),
         std::size_t(CommandImport::kMaxDocumentSize) / 1000 + 1},
    };
    for (const Case& c : cases) {
        TestPeer own;
        const QByteArray reply = piece(0, c.body);
        own.answerEach([reply](const QByteArray&) { return answer(reply); });
        CommandImport import("127.0.0.1", own.port(), QString(), false);
        EXPECT_EQ(import.run(kTimeout, 0, {}), korvex3::kReplyOverLimit) << c.what;
        EXPECT_TRUE(import.output.isEmpty()) << c.what;
        EXPECT_EQ(own.requests().size(), c.maxRequests) << c.what;
    }
}

// The exported functions: one document with three positions, in both text forms.
class ImportFunctions : public ::testing::Test {
protected:
    void SetUp() override
    {
        peer.script({answer(dataReply(item(6, "0000000000000001")))});
        const char* out = nullptr;
        handle = korvex3_open(peer.address().c_str(), kTimeout, out);
        ASSERT_GT(handle, 0);
        const QByteArray positions =
            item(1059, item(1030, hex("90 AE A3 A0")) + item(1023, hex("03 DC 05")) + item(1199, hex("01"))) +
            item(1059, item(1030, hex("41")) + item(1023, hex("06 87 D6 12")) + item(1199, hex("06"))) +
            item(1059, item(1079, hex("E8 03")) + item(1199, hex("03")));
        peer.script({answer(piece(5, document(3, positions)))});
    }
    void TearDown() override { korvex3_close(handle); }

    Json import(int (*function)(int, korvex3_u16, const char*, const char*&))
    {
        const char* out = nullptr;
        EXPECT_EQ(function(handle, kTimeout, "{}", out), 0);
        return out ? Json::parse(out)["data"]["list"] : Json();
    }

    TestPeer peer;
    int handle = 0;
};

TEST_F(ImportFunctions, PositionsInUtf8)
{
    const Json list = import(korvex3_import_doc);
    EXPECT_EQ(list, Json::parse(R"([{"price":100000,"tax_id":5},
                                    {"name":"A","quant":12345,"tax_id":1},
                                    {"name":"Рога","quant":15000,"tax_id":3}])"));
}

TEST_F(ImportFunctions, PositionsWithEscapedTexts)
{
    const Json list = import(korvex3_import_doc2);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[1]["name"], "\\u0041");
    EXPECT_EQ(list[2]["name"], "\\u0420\\u043e\\u0433\\u0430");
}

TEST(ImportFunctionsHandle, UnknownHandleLeavesOutUntouched)
{
    const char* out = "untouched";
    EXPECT_EQ(korvex3_import_doc(0, kTimeout, "{}", out), korvex3::kNoHandle);
    EXPECT_EQ(korvex3_import_doc2(-5, kTimeout, "{}", out), korvex3::kNoHandle);
    EXPECT_STREQ(out, "untouched");
}

}  // namespace
