#include <gtest/gtest.h>

#include "link/frame_format.h"
#include "link/packet.h"
#include "support/hex.h"

using testing_support::hex;
using testing_support::toHex;

namespace {

// The request without serial or payload: item 65 = 0x03090038, item 7 = 201, CRC 0x5C1EBC46.
const char* const kInfoRequest = "EF BE 12 00 41 00 04 00 38 00 09 03 07 00 02 00 C9 00 46 BC 1E 5C";

struct MakeCase {
    const char* what;
    quint16 cmd;
    QString serial;
    QByteArray payload;
    const char* frame;
};

TEST(PacketMake, BuildsRequestFrames)
{
    const MakeCase cases[] = {
        {"no serial, no payload", 201, QString(), QByteArray(), kInfoRequest},
        {"ten-character serial comes first and adds 14 bytes", 201, "0123456789", QByteArray(),
         "EF BE 20 00 06 00 0A 00 30 31 32 33 34 35 36 37 38 39 41 00 04 00 38 00 09 03 07 00 02 00 C9 00 "
         "D4 AA D5 90"},
        {"serial length counts UTF-8 bytes, not characters", 201, QString::fromUtf8("\xD0\x96" "1"), QByteArray(),
         "EF BE 19 00 06 00 03 00 D0 96 31 41 00 04 00 38 00 09 03 07 00 02 00 C9 00 74 BE D1 87"},
        {"payload goes last as item 9, unchanged", 203, "AB12", hex("35 00 04 00 01 00 00 00"),
         "EF BE 26 00 06 00 04 00 41 42 31 32 41 00 04 00 38 00 09 03 07 00 02 00 CB 00 09 00 08 00 "
         "35 00 04 00 01 00 00 00 CE 3C 15 09"},
        {"largest command code", 0xFFFF, QString(), QByteArray(),
         "EF BE 12 00 41 00 04 00 38 00 09 03 07 00 02 00 FF FF BE C2 00 F8"},
    };
    for (const MakeCase& c : cases)
        EXPECT_EQ(toHex(Packet::make(c.cmd, c.serial, c.payload)), toHex(hex(c.frame))) << c.what;
}

struct SizeCase {
    const char* what;
    int serialBytes;
    int payloadBytes;
    bool fits;
};

// Body = serial item + 8 (version) + 6 (cmd) + payload item; it must stay within 65531 bytes.
TEST(PacketMake, RefusesBodiesThatDoNotFitTheLengthFields)
{
    const SizeCase cases[] = {
        {"largest payload that fits", 0, 65513, true},
        {"one payload byte more", 0, 65514, false},
        {"payload over the item length field", 0, 65536, false},
        {"serial over the item length field", 65536, 0, false},
        {"serial and payload each fit, together too big", 40000, 30000, false},
        {"serial and payload together fill the body exactly", 30000, 35509, true},
    };
    for (const SizeCase& c : cases) {
        const QByteArray frameBytes =
            Packet::make(1, QString(c.serialBytes, QLatin1Char('S')), QByteArray(c.payloadBytes, 'P'));
        if (!c.fits) {
            EXPECT_TRUE(frameBytes.isEmpty()) << c.what;
            continue;
        }
        ASSERT_FALSE(frameBytes.isEmpty()) << c.what;
        EXPECT_EQ(Packet::validate(frameBytes), frame::kWhole) << c.what;
        Packet parsed;
        ASSERT_EQ(parsed.parse(frameBytes), frame::kWhole) << c.what;
        EXPECT_EQ(parsed.body.size(), c.payloadBytes) << c.what;
    }
}

struct ValidateCase {
    const char* what;
    QByteArray bytes;
    int expected;
};

QByteArray changedAt(QByteArray bytes, int index)
{
    bytes[index] = char(bytes[index] ^ 0x01);
    return bytes;
}

TEST(PacketValidate, ClassifiesReceivedBytes)
{
    const QByteArray whole = hex(kInfoRequest);
    const ValidateCase cases[] = {
        {"empty buffer has magic 0", QByteArray(), frame::kBadMagic},
        {"one byte has magic 0", hex("EF"), frame::kBadMagic},
        {"magic only", hex("EF BE"), frame::kIncomplete},
        {"magic and half a length", hex("EF BE 12"), frame::kIncomplete},
        {"one byte short", whole.left(21), frame::kIncomplete},
        {"header only", whole.left(4), frame::kIncomplete},
        {"whole frame", whole, frame::kWhole},
        {"one byte after the frame", whole + hex("00"), frame::kBadCrc},
        {"body byte changed", changedAt(whole, 10), frame::kBadCrc},
        {"trailer byte changed", changedAt(whole, 21), frame::kBadCrc},
        {"magic byte changed", changedAt(whole, 1), frame::kBadMagic},
        {"length 0 and no trailer", hex("EF BE 00 00"), frame::kBadCrc},
        {"length 0 with its trailer", hex("EF BE 00 00 68 5D 98 60"), frame::kWhole},
        {"length announces less than carried, trailer right", hex("EF BE 04 00 07 00 02 00 C9 00 4B BF BB 8C"),
         frame::kWhole},
    };
    for (const ValidateCase& c : cases) {
        EXPECT_EQ(Packet::validate(c.bytes), c.expected) << c.what;
        Packet parsed;
        EXPECT_EQ(parsed.parse(c.bytes), c.expected) << c.what;
    }
}

struct ParseCase {
    const char* what;
    const char* frame;
    quint16 cmd;
    quint16 response;
    quint32 extended;
    const char* body;
};

TEST(PacketParse, ExtractsTheReplyItems)
{
    const ParseCase cases[] = {
        {"no item 8", "EF BE 0A 00 07 00 02 00 C9 00 79 AD 31 99", 201, 0, 0, ""},
        {"item 8 of four bytes keeps the low 16 bits", "EF BE 0C 00 08 00 04 00 01 02 03 04 8F 92 19 89", 0,
         0x0201, 0, ""},
        {"item 8 of one byte", "EF BE 09 00 08 00 01 00 09 80 42 0C 1D", 0, 9, 0, ""},
        {"item 30 of one byte", "EF BE 09 00 1E 00 01 00 07 A5 0D 14 15", 0, 0, 7, ""},
        {"item 30 of six bytes reads four", "EF BE 0E 00 1E 00 06 00 01 02 03 04 05 06 37 D4 79 F3", 0, 0,
         0x04030201, ""},
        {"item 7 of three bytes reads two", "EF BE 0B 00 07 00 03 00 01 02 03 8B DE DA E5", 0x0201, 0, 0, ""},
        {"two items 9: the later one", "EF BE 0F 00 09 00 01 00 AA 09 00 02 00 BB CC 8C 98 A4 DC", 0, 0, 0, "BB CC"},
        {"empty body", "EF BE 04 00 6C 98 F4 04", 0, 0, 0, ""},
        {"all four items",
         "EF BE 22 00 07 00 02 00 C9 00 08 00 02 00 05 00 1E 00 04 00 78 56 34 12 09 00 06 00 01 00 02 00 0C 00 "
         "47 EA E8 BB",
         201, 5, 0x12345678, "01 00 02 00 0C 00"},
        {"unknown items are skipped", "EF BE 0F 00 2C 01 01 00 FF 08 00 02 00 02 00 F8 5E C9 D9", 0, 2, 0, ""},
        {"truncated item 9 is dropped, earlier items kept", "EF BE 0F 00 08 00 02 00 03 00 09 00 05 00 01 93 1D AD 92",
         0, 3, 0, ""},
    };
    for (const ParseCase& c : cases) {
        Packet reply;
        ASSERT_EQ(reply.parse(hex(c.frame)), frame::kWhole) << c.what;
        EXPECT_EQ(reply.cmd, c.cmd) << c.what;
        EXPECT_EQ(reply.response, c.response) << c.what;
        EXPECT_EQ(reply.extended, c.extended) << c.what;
        EXPECT_EQ(toHex(reply.body), toHex(hex(c.body))) << c.what;
    }
}

TEST(PacketParse, FailedParseKeepsTheMembers)
{
    const QByteArray good = hex(
        "EF BE 22 00 07 00 02 00 C9 00 08 00 02 00 05 00 1E 00 04 00 78 56 34 12 09 00 06 00 01 00 02 00 0C 00 "
        "47 EA E8 BB");
    Packet reply;
    ASSERT_EQ(reply.parse(good), frame::kWhole);
    const QByteArray failing[] = {changedAt(good, 30), good.left(10), changedAt(good, 0)};
    for (const QByteArray& bytes : failing) {
        EXPECT_NE(reply.parse(bytes), frame::kWhole);
        EXPECT_EQ(reply.cmd, 201);
        EXPECT_EQ(reply.response, 5);
        EXPECT_EQ(reply.extended, 0x12345678u);
        EXPECT_EQ(toHex(reply.body), "01 00 02 00 0C 00");
    }
}

}  // namespace
