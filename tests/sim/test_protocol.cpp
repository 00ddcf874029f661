// The frame level: identity without a serial, refusals of malformed or foreign requests, and
// several request/reply cycles on one connection.
#include "sim/sim_fixture.h"
#include "sim/response_codes.h"

namespace sim_testing {
namespace {

namespace response = korvex::sim::response;

using ProtocolTest = SimTest;

TEST_F(ProtocolTest, InformationWithoutSerialNamesTheRegister)
{
    const Answer answer = client->exchange(requestFrame(1, {}, nullptr));
    ASSERT_TRUE(answer.received);
    EXPECT_EQ(answer.response, 0);
    EXPECT_EQ(itemOf(answer.body, 6), QByteArray(kSerial));
    EXPECT_EQ(numberOf(valueOf(answer.body, 1)), 0x1005u);
    EXPECT_EQ(numberOf(valueOf(answer.body, 2)), 37u);
    EXPECT_EQ(valueOf(answer.body, 3).size(), 2);
    // Items 8 and 30 come first, item 9 last, and the reply carries no further items.
    const std::vector<Item> frameItems = itemsOf(bodyOf(answer.frame));
    ASSERT_EQ(frameItems.size(), 3u);
    EXPECT_EQ(frameItems[0].tag, 8);
    EXPECT_EQ(frameItems[0].value.size(), 2);
    EXPECT_EQ(frameItems[1].tag, 30);
    EXPECT_EQ(frameItems[1].value.size(), 4);
    EXPECT_EQ(frameItems[2].tag, 9);
}

TEST_F(ProtocolTest, ReplyWithoutDataHasNoBodyItem)
{
    const Answer answer = call(201);
    EXPECT_EQ(toHex(bodyOf(answer.frame)), "08 00 02 00 00 00 1E 00 04 00 00 00 00 00");
}

struct Refusal {
    const char* name;
    QByteArray frame;
    std::uint16_t response;
};

class RefusalTest : public SimTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(RefusalTest, AnswersWithItsCode)
{
    const Answer answer = client->exchange(GetParam().frame);
    ASSERT_TRUE(answer.received);
    EXPECT_EQ(answer.response, GetParam().response);
    // The connection serves the next request as usual.
    EXPECT_EQ(call(1).response, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, RefusalTest,
    ::testing::Values(Refusal{"unknown_command", requestFrame(999), response::kUnknownCommand},
                      Refusal{"no_command", frameOf(item(6, kSerial) + item(65, u32(1))), response::kUnknownCommand},
                      Refusal{"foreign_serial", requestFrame(1, {}, "9876543210"), response::kWrongSerial},
                      Refusal{"bad_crc", withBadCrc(requestFrame(1)), response::kBadFrame}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProtocolTest, ManyCyclesOnOneConnection)
{
    for (int i = 0; i < 20; ++i)
        ASSERT_EQ(call(i % 2 ? 6 : 1).response, 0) << "cycle " << i;
}

TEST_F(ProtocolTest, RequestsInOneWriteAreAnsweredInTurn)
{
    client->send(requestFrame(201) + requestFrame(999));
    EXPECT_EQ(client->readFrame().response, 0);
    EXPECT_EQ(client->readFrame().response, response::kUnknownCommand);
}

TEST_F(ProtocolTest, RequestInPiecesIsAssembled)
{
    const QByteArray frame = requestFrame(1);
    client->send(frame.left(3));
    EXPECT_TRUE(client->readSome(milliseconds(100)).isEmpty());
    client->send(frame.mid(3));
    EXPECT_EQ(client->readFrame().response, 0);
}

TEST_F(ProtocolTest, BytesWithoutMagicEndTheConnection)
{
    client->send(QByteArray("GET / HTTP/1.0\r\n\r\n"));
    EXPECT_TRUE(client->readUntilClosed().isEmpty());
    EXPECT_TRUE(client->closed());
    // Other connections are not affected.
    SimClient other(simulator.port());
    EXPECT_EQ(other.call(1).response, 0);
}

}  // namespace
}  // namespace sim_testing
