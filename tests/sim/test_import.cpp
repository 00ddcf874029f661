// A fiscal document read back: piecewise import (404, then 405 until response 5) and by tag
// (105), in the fiscal drive's own TLV layout with CP866 texts and kopecks.
#include "sim/sim_fixture.h"
#include "sim/response_codes.h"

namespace sim_testing {
namespace {

namespace response = korvex::sim::response;

korvex::sim::Options smallPieces()
{
    korvex::sim::Options options = quickOptions();
    options.settings.importPieceSize = 40;
    return options;
}

class ImportTest : public SimTest {
protected:
    ImportTest() : SimTest(smallPieces()) {}

    // Document 2: a sale of "Молоко" 100.00 x 2 and "Item" 12.34 x 1.5 by operator 1.
    void SetUp() override
    {
        SimTest::SetUp();
        ASSERT_EQ(call(201).response, 0);
        ASSERT_EQ(call(203, item(50, "\xCA\xE0\xF1\xF1\xE8\xF0")).response, 0);
        ASSERT_EQ(call(205, openDocPayload(1)).response, 0);
        ASSERT_EQ(call(206, itemPayload(1000000, 20000, "\xCC\xEE\xEB\xEE\xEA\xEE")).response, 0);
        ASSERT_EQ(call(206, itemPayload(123400, 15000)).response, 0);
        ASSERT_EQ(call(209, cashPayload(2185100)).response, 0);
    }

    // The pieces of a whole import, and how many replies brought them.
    QByteArray importAll(std::uint32_t number, int& replies)
    {
        Answer answer = call(404, item(20, u32(number)));
        QByteArray document = answer.body;
        for (replies = 1; answer.response == 0 && replies < 1000; ++replies) {
            answer = call(405);
            document += answer.body;
        }
        EXPECT_EQ(answer.response, response::kLastPiece);
        return document;
    }
};

TEST_F(ImportTest, PiecesMakeTheDocument)
{
    int replies = 0;
    const QByteArray document = importAll(2, replies);
    EXPECT_GT(replies, 2);
    ASSERT_GE(document.size(), 4);
    EXPECT_EQ(numberOf(document.left(2)), 3u);
    EXPECT_EQ(numberOf(document.mid(2, 2)), std::uint64_t(document.size() - 4));
    const QByteArray items = document.mid(4);
    EXPECT_EQ(numberOf(valueOf(items, 1040)), 2u);
    EXPECT_EQ(numberOf(valueOf(items, 1054)), 1u);
    EXPECT_EQ(numberOf(valueOf(items, 1020)), 21851u);
    EXPECT_EQ(numberOf(valueOf(items, 1031)), 21851u);
    // Operator 1 of the document, named "Кассир 1" in CP866.
    EXPECT_EQ(toHex(valueOf(items, 1021)), "8A A0 E1 E1 A8 E0 20 31");
    // The sign's last four bytes are the document's fiscal sign, most significant first.
    const QByteArray record = valueOf(call(102, item(20, u32(2))).body, 21);
    const QByteArray sign = valueOf(items, 1077);
    ASSERT_EQ(sign.size(), 6);
    ASSERT_EQ(record.size(), 19);
    const char bigEndian[] = {record[12], record[11], record[10], record[9]};
    EXPECT_EQ(sign.mid(2), QByteArray(bigEndian, 4));
}

TEST_F(ImportTest, PositionsCarryNamePriceQuantityAndTax)
{
    int replies = 0;
    const std::vector<Item> all = itemsOf(importAll(2, replies).mid(4));
    std::vector<QByteArray> positions;
    for (const Item& one : all)
        if (one.tag == 1059)
            positions.push_back(one.value);
    ASSERT_EQ(positions.size(), 2u);
    EXPECT_EQ(toHex(valueOf(positions[0], 1030)), "8C AE AB AE AA AE");  // "Молоко"
    EXPECT_EQ(numberOf(valueOf(positions[0], 1079)), 10000u);            // 100.00
    EXPECT_EQ(toHex(valueOf(positions[0], 1023)), "00 02");              // 2 pieces
    EXPECT_EQ(toHex(valueOf(positions[1], 1023)), "01 0F");              // 1.5
    EXPECT_EQ(numberOf(valueOf(positions[1], 1199)), 6u);                // tax 1: no VAT
    EXPECT_EQ(numberOf(valueOf(positions[1], 1200)), 0u);
}

TEST(ImportPieceTest, ShortDocumentComesWholeWithTheLastPiece)
{
    korvex::sim::Simulator simulator(quickOptions());
    ASSERT_TRUE(simulator.start());
    SimClient client(simulator.port());
    ASSERT_EQ(client.call(201).response, 0);
    ASSERT_EQ(client.call(203, item(13, u16(1))).response, 0);
    const Answer answer = client.call(404, item(20, u32(1)));
    EXPECT_EQ(answer.response, response::kLastPiece);
    EXPECT_EQ(numberOf(answer.body.left(2)), 2u);
    EXPECT_EQ(numberOf(answer.body.mid(2, 2)), std::uint64_t(answer.body.size() - 4));
    EXPECT_EQ(client.call(405).response, response::kNoImport);
}

TEST_F(ImportTest, NumberZeroImportsTheLastDocument)
{
    const Answer answer = call(404, item(20, u32(0)));
    EXPECT_EQ(numberOf(answer.body.left(2)), 3u);
}

TEST_F(ImportTest, ImportRefusals)
{
    EXPECT_EQ(call(405).response, response::kNoImport);
    EXPECT_EQ(call(404, item(20, u32(99))).response, response::kNoFiscalDocument);
    // An import belongs to its connection.
    ASSERT_EQ(call(404, item(20, u32(2))).response, 0);
    SimClient other(simulator.port());
    EXPECT_EQ(other.call(405).response, response::kNoImport);
}

TEST_F(ImportTest, TagReadGivesTheItemsOfThatTag)
{
    int replies = 0;
    const QByteArray document = importAll(2, replies);
    const Answer sign = call(105, item(20, u32(2)) + item(87, u16(1077)));
    ASSERT_EQ(sign.response, 0);
    EXPECT_EQ(valueOf(sign.body, 21), item(1077, valueOf(document.mid(4), 1077)));
    const Answer whole = call(105, item(20, u32(2)) + item(87, u16(0)));
    EXPECT_EQ(valueOf(whole.body, 21), document);
    EXPECT_EQ(call(105, item(20, u32(2)) + item(87, u16(9999))).response, response::kNoSuchTag);
    EXPECT_EQ(call(105, item(20, u32(2))).response, response::kBadParameter);
}

}  // namespace
}  // namespace sim_testing
