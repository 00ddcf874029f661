#include <vector>

#include <gtest/gtest.h>

#include "support/hex.h"
#include "tlv/tlv_dictionary.h"
#include "tlv/tlv_parser.h"

using testing_support::hex;
using testing_support::toHex;

namespace {

struct Found {
    quint16 tag;
    std::vector<const char*> values;  // last occurrence in the payload first
};

struct ReadCase {
    const char* what;
    const char* payload;
    std::vector<Found> found;
    std::vector<quint16> absent;
};

std::vector<std::string> hexList(const QList<QByteArray>& values)
{
    std::vector<std::string> out;
    for (const QByteArray& v : values)
        out.push_back(toHex(v));
    return out;
}

TEST(TLVParser, SplitsPayloadsIntoItems)
{
    const ReadCase cases[] = {
        {"empty payload", "", {}, {1}},
        {"one item", "01 00 02 00 0C 00", {{1, {"0C 00"}}}, {}},
        {"declared length past the end", "01 00 02 00 0C", {}, {1}},
        {"repeated tag", "29 00 01 00 41 29 00 01 00 42", {{41, {"42", "41"}}}, {}},
        {"length 0 is an item", "05 00 00 00", {{5, {""}}}, {}},
        {"two items and two stray bytes", "01 00 01 00 0A 02 00 01 00 0B AB CD", {{1, {"0A"}}, {2, {"0B"}}}, {0xCDAB}},
        {"three stray bytes", "01 00 01 00 0A AB CD EF", {{1, {"0A"}}}, {0xCDAB}},
        {"truncated item ends reading, earlier kept", "01 00 01 00 0A 02 00 09 00 0B 0C 03 00 01 00 0D",
         {{1, {"0A"}}}, {2, 3}},
        {"tag outside the dictionary", "2C 01 01 00 FF", {{300, {"FF"}}}, {}},
        {"largest tag and an interleaved repeat", "FF FF 01 00 01 06 00 00 00 FF FF 01 00 02",
         {{0xFFFF, {"02", "01"}}, {6, {""}}}, {}},
    };
    TLVParser parser(korvex::deviceDictionary());
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        parser.parse(hex(c.payload));
        for (const Found& f : c.found) {
            std::vector<std::string> expected;
            for (const char* v : f.values)
                expected.push_back(toHex(hex(v)));
            EXPECT_EQ(hexList(parser.values(f.tag)), expected) << "tag " << f.tag;
            EXPECT_EQ(toHex(parser.value(f.tag)), expected.front()) << "tag " << f.tag;
            EXPECT_EQ(parser.count(f.tag), int(expected.size())) << "tag " << f.tag;
        }
        for (quint16 tag : c.absent) {
            EXPECT_EQ(parser.count(tag), 0) << "tag " << tag;
            EXPECT_TRUE(parser.value(tag).isEmpty()) << "tag " << tag;
            EXPECT_TRUE(parser.values(tag).isEmpty()) << "tag " << tag;
        }
    }
}

TEST(TLVParser, ParsingAgainReplacesTheContent)
{
    TLVParser parser(korvex::deviceDictionary());
    parser.parse(hex("01 00 01 00 0A 29 00 01 00 41"));
    parser.parse(hex("29 00 01 00 42"));
    EXPECT_EQ(parser.count(1), 0);
    EXPECT_EQ(parser.count(41), 1);
    EXPECT_EQ(toHex(parser.value(41)), "42");
    parser.parse(hex("29 00 01 00 42"));
    EXPECT_EQ(parser.count(41), 1);
}

TEST(TLVParser, WorksWithoutADictionary)
{
    TLVParser parser(nullptr);
    parser.parse(hex("01 00 02 00 0C 00"));
    EXPECT_EQ(parser.get<unsigned int>(1, 0), 12u);
}

struct NumberCase {
    const char* what;
    const char* payload;
    quint16 tag;
    unsigned int defaultValue;
    unsigned int asUInt;
    unsigned char asUChar;
};

TEST(TLVParser, ReadsLittleEndianNumbersOfAnyLength)
{
    const NumberCase cases[] = {
        {"absent tag gives the default", "", 1, 7, 7, 7},
        {"two-byte version", "01 00 02 00 0C 00", 1, 0, 12, 12},
        {"length 0 gives 0, not the default", "35 00 00 00", 53, 5, 0, 0},
        {"type-4 tag carrying two bytes", "35 00 02 00 34 12", 53, 0, 0x1234, 0x34},
        {"six bytes read from the first four", "35 00 06 00 01 02 03 04 05 06", 53, 0, 0x04030201, 0x01},
        {"the last occurrence wins", "35 00 01 00 01 35 00 01 00 02", 53, 0, 2, 2},
        {"high bytes", "35 00 04 00 FF FF FF FF", 53, 0, 0xFFFFFFFF, 0xFF},
    };
    TLVParser parser(korvex::deviceDictionary());
    for (const NumberCase& c : cases) {
        parser.parse(hex(c.payload));
        EXPECT_EQ(parser.get<unsigned int>(c.tag, c.defaultValue), c.asUInt) << c.what;
        EXPECT_EQ(parser.get<unsigned char>(c.tag, static_cast<unsigned char>(c.defaultValue)), c.asUChar)
            << c.what;
    }
}

TEST(TLVParser, StringGetKeepsTheBytes)
{
    TLVParser parser(korvex::deviceDictionary());
    parser.parse(hex("29 00 04 00 41 00 C8 FF"));
    EXPECT_EQ(parser.get(41), std::string("A\0\xC8\xFF", 4));
    EXPECT_EQ(parser.get(42), std::string());
}

}  // namespace
