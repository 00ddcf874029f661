#include <gtest/gtest.h>

#include "import/document_values.h"
#include "import/escaped_unicode.h"
#include "support/hex.h"

using testing_support::hex;
namespace doc = korvex::document;

namespace {

struct NumberCase {
    const char* value;
    std::uint64_t expected;
};

TEST(DocumentValues, AmountIsTheLittleEndianValueTimes100)
{
    const NumberCase cases[] = {
        {"E8 03", 100000},
        {"", 0},
        {"01", 100},
        {"10 27 00 00 00 00", 1000000},
        {"FF FF FF FF FF FF FF 00", 0xFFFFFFFFFFFFFFull * 100},
    };
    for (const NumberCase& c : cases)
        EXPECT_EQ(doc::amount(hex(c.value)), c.expected) << c.value;
}

TEST(DocumentValues, QuantityIsScaledToFourDecimals)
{
    const NumberCase cases[] = {
        {"03 DC 05", 15000},          // p=3, 1500 -> 1.5000
        {"06 87 D6 12", 12345},       // p=6, 1234567 -> 1.2345 (truncated)
        {"04 39 30", 12345},          // p=4 as it is
        {"00 07", 70000},             // p=0, 7 whole units
        {"FF 01 00 00 00 00 00 00 00", 0},  // divided far past the mantissa
        {"03", 0},                    // no mantissa
        {"", 0},
        {"02 01 02 03 04 05 06 07 08 09", 0x0807060504030201ull * 100},  // at most 8 mantissa bytes
    };
    for (const NumberCase& c : cases)
        EXPECT_EQ(doc::quantity(hex(c.value)), c.expected) << c.value;
}

TEST(DocumentValues, TaxCodesMapOntoTaxIds)
{
    const std::pair<unsigned, int> cases[] = {{1, 3}, {2, 2}, {3, 5}, {4, 4}, {5, 6}, {6, 1}, {0, 3}, {7, 3}, {258, 3}};
    for (const auto& [code, taxId] : cases)
        EXPECT_EQ(doc::taxId(code), taxId) << code;
}

TEST(DocumentValues, FiscalSignIsBytesTwoToFiveBigEndian)
{
    EXPECT_EQ(doc::fiscalSign(hex("AA BB 12 34 56 78")), 0x12345678u);
    EXPECT_EQ(doc::fiscalSign(hex("AA BB 12 34 56 78 9A")), 0x12345678u);
    EXPECT_EQ(doc::fiscalSign(hex("00 00 FF FF FF FF")), 0xFFFFFFFFu);
    EXPECT_FALSE(doc::fiscalSign(hex("AA BB 12 34 56")).has_value());
    EXPECT_FALSE(doc::fiscalSign(QByteArray()).has_value());
}

TEST(DocumentValues, Cp866TextAsUtf8OrEscaped)
{
    const QByteArray roga = hex("90 AE A3 A0");  // "Рога" in CP866
    EXPECT_EQ(doc::textForm(roga, false), "\xD0\xA0\xD0\xBE\xD0\xB3\xD0\xB0");
    EXPECT_EQ(doc::textForm(roga, true), "\\u0420\\u043e\\u0433\\u0430");
    EXPECT_EQ(doc::textForm("A1", true), "\\u0041\\u0031");
    EXPECT_EQ(doc::textForm({}, true), "");
}

TEST(EscapedUnicodeString, EscapesEveryUtf16CodeUnit)
{
    EXPECT_EQ(EscapedUnicodeString(QString()), "");
    EXPECT_EQ(EscapedUnicodeString(QStringLiteral("A")), "\\u0041");
    EXPECT_EQ(EscapedUnicodeString(QString::fromUtf8("\xD0\xAF\\")), "\\u042f\\u005c");
    // A character outside the basic plane is two code units.
    EXPECT_EQ(EscapedUnicodeString(QString::fromUtf8("\xF0\x9F\x98\x80")), "\\ud83d\\ude00");
}

}  // namespace
