// Faults as they show on the wire, each for its number of replies, and in their text form.
#include "sim/sim_fixture.h"
#include "link/packet.h"
#include "sim/faults/fault_text.h"

namespace sim_testing {
namespace {

using korvex::sim::Fault;
using korvex::sim::FaultKind;

class FaultTest : public SimTest {
protected:
    void inject(Fault fault) { simulator.faults().add(fault); }
    // The reply to `cmd` as it arrives: everything until the peer closes or goes quiet.
    QByteArray rawReply(std::uint16_t cmd = 1, milliseconds quiet = milliseconds(300))
    {
        client->send(requestFrame(cmd));
        QByteArray bytes;
        for (QByteArray piece; !(piece = client->readSome(quiet)).isEmpty();)
            bytes += piece;
        return bytes;
    }
    QByteArray normalReply() { return SimClient(simulator.port()).call(1).frame; }
};

TEST_F(FaultTest, DamagedFramesFailTheirCheck)
{
    inject({FaultKind::kBadCrc});
    EXPECT_EQ(Packet::validate(rawReply()), 3);
    inject({FaultKind::kBadMagic});
    const QByteArray badMagic = rawReply();
    EXPECT_EQ(Packet::validate(badMagic), 2);
    EXPECT_EQ(badMagic.mid(2), withMagic(normalReply(), 0xDEAD).mid(2));
    inject({FaultKind::kOverlong});
    const QByteArray overlong = rawReply();
    EXPECT_EQ(overlong.size(), normalReply().size() + 4);
    EXPECT_EQ(Packet::validate(overlong.left(overlong.size() - 4)), 0);
    EXPECT_EQ(Packet::validate(overlong), 3);
    // Faults used up: the same connection answers normally again.
    EXPECT_EQ(Packet::validate(rawReply()), 0);
}

TEST_F(FaultTest, LateReplyComesAfterSilence)
{
    inject({FaultKind::kDelay, 1, milliseconds(400)});
    client->send(requestFrame(1));
    EXPECT_TRUE(client->readSome(milliseconds(100)).isEmpty());
    EXPECT_TRUE(client->readFrame().received);
}

TEST_F(FaultTest, SplitReplyComesInPieces)
{
    inject({FaultKind::kSplit, 1, milliseconds(30), 0});
    client->send(requestFrame(201));
    int reads = 0;
    QByteArray bytes;
    while (bytes.size() < 4 || bytes.size() < int(numberOf(bytes.mid(2, 2))) + 4) {
        const QByteArray piece = client->readSome(milliseconds(5000));
        ASSERT_FALSE(piece.isEmpty());
        bytes += piece;
        ++reads;
    }
    EXPECT_GT(reads, 1);
    EXPECT_EQ(Packet::validate(bytes), 0);
}

TEST_F(FaultTest, SilentReplyLeavesTheConnectionOpen)
{
    inject({FaultKind::kSilent});
    EXPECT_TRUE(rawReply(1, milliseconds(300)).isEmpty());
    EXPECT_FALSE(client->closed());
    EXPECT_EQ(call(1).response, 0);
}

TEST_F(FaultTest, ClosingFaultsEndTheConnection)
{
    inject({FaultKind::kCloseBeforeReply});
    client->send(requestFrame(1));
    EXPECT_TRUE(client->readUntilClosed().isEmpty());
    EXPECT_TRUE(client->closed());

    inject({FaultKind::kCloseMidFrame});
    SimClient second(simulator.port());
    second.send(requestFrame(1));
    const QByteArray half = second.readUntilClosed();
    EXPECT_TRUE(second.closed());
    EXPECT_EQ(half, normalReply().left(half.size()));
    EXPECT_GT(half.size(), 0);
    EXPECT_LT(half.size(), normalReply().size());
}

TEST_F(FaultTest, CountCoversThatManyReplies)
{
    inject({FaultKind::kBadCrc, 2});
    EXPECT_EQ(Packet::validate(rawReply()), 3);
    EXPECT_EQ(Packet::validate(rawReply()), 3);
    EXPECT_EQ(Packet::validate(rawReply()), 0);
}

TEST_F(FaultTest, EndlessTransfersNeverEnd)
{
    inject({FaultKind::kEndlessMore, 2});
    openShift();
    EXPECT_EQ(call(404, item(20, u32(1))).response, 0);
    for (int i = 0; i < 10; ++i) {
        const Answer next = call(405);
        ASSERT_EQ(next.response, 0);
        ASSERT_FALSE(next.body.isEmpty());
    }
    SimClient config(simulator.port());
    for (std::uint16_t page = 1; page < 20; ++page) {
        const Answer answer = config.call(7, item(11, u16(page)));
        ASSERT_NE(numberOf(itemOf(answer.body, 11).value_or(QByteArray())), 0u) << page;
    }
}

struct FaultTextCase {
    const char* text;
    bool valid;
    FaultKind kind;
    int count;
    int pause;
    int pieces;
};

class FaultTextTest : public ::testing::TestWithParam<FaultTextCase> {};

TEST_P(FaultTextTest, Parses)
{
    const FaultTextCase& c = GetParam();
    std::string error;
    const std::optional<Fault> fault = korvex::sim::parseFault(c.text, error);
    ASSERT_EQ(fault.has_value(), c.valid) << c.text << ": " << error;
    if (!c.valid) {
        EXPECT_FALSE(error.empty());
        return;
    }
    EXPECT_EQ(fault->kind, c.kind);
    EXPECT_EQ(fault->count, c.count);
    EXPECT_EQ(fault->pause.count(), c.pause);
    EXPECT_EQ(fault->pieces, c.pieces);
}

INSTANTIATE_TEST_SUITE_P(Texts, FaultTextTest,
                         ::testing::Values(FaultTextCase{"delay:500", true, FaultKind::kDelay, 1, 500, 0},
                                           FaultTextCase{"delay:500@3", true, FaultKind::kDelay, 3, 500, 0},
                                           FaultTextCase{"split:0:5@*", true, FaultKind::kSplit, Fault::kAlways, 5, 0},
                                           FaultTextCase{"split:4:100", true, FaultKind::kSplit, 1, 100, 4},
                                           FaultTextCase{"bad-crc", true, FaultKind::kBadCrc, 1, 0, 0},
                                           FaultTextCase{"close-mid@2", true, FaultKind::kCloseMidFrame, 2, 0, 0},
                                           FaultTextCase{"endless-status", true, FaultKind::kEndlessStatus, 1, 0, 0},
                                           FaultTextCase{"delay", false, {}, 0, 0, 0},
                                           FaultTextCase{"delay:-5", false, {}, 0, 0, 0},
                                           FaultTextCase{"delay:5x", false, {}, 0, 0, 0},
                                           FaultTextCase{"bad-crc:1", false, {}, 0, 0, 0},
                                           FaultTextCase{"silent@0", false, {}, 0, 0, 0},
                                           FaultTextCase{"silent@", false, {}, 0, 0, 0},
                                           FaultTextCase{"explode", false, {}, 0, 0, 0}));

}  // namespace
}  // namespace sim_testing
