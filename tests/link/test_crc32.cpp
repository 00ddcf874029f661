#include <gtest/gtest.h>

#include "link/crc32.h"
#include "support/hex.h"

using testing_support::hex;

namespace {

struct CrcCase {
    const char* what;
    QByteArray input;
    quint32 expected;
};

quint32 crcOf(const QByteArray& bytes)
{
    return korvex::Crc32(reinterpret_cast<const unsigned char*>(bytes.constData()), unsigned(bytes.size()));
}

TEST(Crc32, MatchesTheStandardCrc32)
{
    QByteArray allBytes;
    for (int i = 0; i < 256; ++i)
        allBytes.append(char(i));
    const CrcCase cases[] = {
        {"check input 1..9", "123456789", 0xCBF43926u},
        {"zero bytes", QByteArray(), 0u},
        {"one zero byte", hex("00"), 0xD202EF8Du},
        {"pangram", "The quick brown fox jumps over the lazy dog", 0x414FA339u},
        {"every byte value once", allBytes, 0x29058C73u},
        {"header and body of the 201 request", hex("EF BE 12 00 41 00 04 00 38 00 09 03 07 00 02 00 C9 00"), 0x5C1EBC46u},
    };
    for (const CrcCase& c : cases)
        EXPECT_EQ(crcOf(c.input), c.expected) << c.what;
}

TEST(Crc32, ZeroLengthNeverTouchesTheData) { EXPECT_EQ(korvex::Crc32(nullptr, 0), 0u); }

}  // namespace
