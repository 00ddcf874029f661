#include <gtest/gtest.h>

#include "import/command_import.h"
#include "support/frames.h"
#include "support/hex.h"

using namespace testing_support;

namespace {

// "Рога" and "шт" in CP866, and what they become.
const char* const kRogaCp866 = "90 AE A3 A0";
const char* const kRogaUtf8 = "\xD0\xA0\xD0\xBE\xD0\xB3\xD0\xB0";
const char* const kRogaEscaped = "\\u0420\\u043e\\u0433\\u0430";

QByteArray document(quint16 type, const QByteArray& items)
{
    return u16(type) + u16(quint16(items.size())) + items;
}

// composeDocument() needs no connection: the buffer is filled by hand.
class ComposeDocument : public ::testing::Test {
protected:
    Json compose(const QByteArray& buffer, bool escaped = false)
    {
        CommandImport command("127.0.0.1", 1, QString(), escaped);
        command.documentBuffer = buffer;
        command.composeDocument();
        envelope = Json::parse(command.output.toStdString());
        return envelope["data"];
    }

    Json envelope;
};

struct Row {
    quint16 documentTag;
    const char* value;  // hex
    const char* key;
    Json expected;
};

TEST_F(ComposeDocument, MapsEveryDocumentTag)
{
    const Row rows[] = {
        {1041, "30 30 31 32", "fd_serial", "0012"},
        {1048, kRogaCp866, "company_name", kRogaUtf8},
        {1018, "37 37 30 37", "company_inn", "7707"},
        {1012, "00 F1 53 65", "fd_date", 1700000000u},
        {1077, "AA BB 12 34 56 78", "fd_sign", 0x12345678u},
        {1038, "11 00", "shift_id", 17u},
        {1054, "01", "doc_kind", 1u},
        {1020, "E8 03", "check_total", 100000u},
        {1021, kRogaCp866, "user_name", kRogaUtf8},
        {1031, "10 27", "cash", 1000000u},
        {1081, "01", "credit", 100u},
        {1215, "02", "prepay", 200u},
        {1216, "03", "postpay", 300u},
        {1217, "04", "otherpay", 400u},
        {1055, "02", "taxcode", 2u},
        {1228, "35 30 30 31", "client_inn", "5001"},
        {1227, kRogaCp866, "client_name", kRogaUtf8},
    };
    QByteArray items;
    for (const Row& row : rows)
        items += item(row.documentTag, hex(row.value));
    const Json data = compose(document(3, items));

    for (const Row& row : rows)
        EXPECT_EQ(data.value(row.key, Json()), row.expected) << row.key;
    EXPECT_EQ(data["fd_doc_type"], 3u);
    EXPECT_TRUE(data["list"].is_null());
    EXPECT_EQ(data.size(), std::size(rows) + 2);
    EXPECT_EQ(envelope["response"], 0);
    EXPECT_EQ(envelope["extended"], 0);
}

TEST_F(ComposeDocument, MapsEveryPositionTagAndListsPositionsLastFirst)
{
    const Row rows[] = {
        {1030, kRogaCp866, "name", kRogaUtf8},
        {1079, "E8 03", "price", 100000u},
        {1023, "03 DC 05", "quant", 15000u},
        {1199, "06", "tax_id", 1},
        {1200, "0A", "tax_value", 1000u},
        {1214, "04", "payment_method", 4u},
        {1212, "01", "item_attr", 1u},
        {1162, "01 02 03", "mark_stamp", "AQID"},
        {1197, "E8 E2", "unit", "\xD1\x88\xD1\x82"},
    };
    QByteArray full;
    for (const Row& row : rows)
        full += item(row.documentTag, hex(row.value));
    const QByteArray items = item(1059, full) + item(1059, item(1079, hex("02"))) +
                             item(1059, item(1079, hex("03"))) + item(1020, hex("06"));
    const Json data = compose(document(3, items));

    const Json& list = data["list"];
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0], Json({{"price", 300u}}));
    EXPECT_EQ(list[1], Json({{"price", 200u}}));
    for (const Row& row : rows)
        EXPECT_EQ(list[2].value(row.key, Json()), row.expected) << row.key;
    EXPECT_EQ(list[2].size(), std::size(rows));
    EXPECT_EQ(data["check_total"], 600u);
}

TEST_F(ComposeDocument, EscapedTextsAreAsciiEscapes)
{
    const QByteArray position = item(1059, item(1030, hex(kRogaCp866)) + item(1079, hex("01")));
    const Json data = compose(document(1, item(1048, hex("41 ") + hex(kRogaCp866)) + position), true);
    EXPECT_EQ(data["company_name"], std::string("\\u0041") + kRogaEscaped);
    EXPECT_EQ(data["list"][0]["name"], kRogaEscaped);
    EXPECT_EQ(data["list"][0]["price"], 100u);  // numbers are unaffected
}

TEST_F(ComposeDocument, LastOccurrenceOfARepeatedTagWins)
{
    const Json data = compose(document(1, item(1038, u32(1)) + item(1038, u32(2))));
    EXPECT_EQ(data["shift_id"], 2u);
}

TEST_F(ComposeDocument, ShortPiecesAreComposedFromWhatIsThere)
{
    struct Case {
        const char* what;
        QByteArray buffer;
        Json expected;
    };
    const QByteArray shift = item(1038, u32(9));
    const Case cases[] = {
        {"one byte of the header", hex("05"), {{"fd_doc_type", 5u}, {"list", nullptr}}},
        {"header only", hex("05 00 10 00"), {{"fd_doc_type", 5u}, {"list", nullptr}}},
        {"stated length beyond the data", hex("05 00 FF 00") + shift, {{"fd_doc_type", 5u}, {"list", nullptr}, {"shift_id", 9u}}},
        {"truncated last item", hex("05 00 FF 00") + shift + hex("14 04 08 00 01"),
         {{"fd_doc_type", 5u}, {"list", nullptr}, {"shift_id", 9u}}},
        {"bytes after the stated length are ignored", document(5, shift) + item(1054, hex("01")),
         {{"fd_doc_type", 5u}, {"list", nullptr}, {"shift_id", 9u}}},
        {"fiscal sign shorter than 6 bytes", document(5, item(1077, hex("00 00 01 02 03"))),
         {{"fd_doc_type", 5u}, {"list", nullptr}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(compose(c.buffer), c.expected) << c.what;
}

}  // namespace
