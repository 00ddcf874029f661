// JSON members written as TLV items by key and width, and read back by tag: every refusal
// writes nothing, and every number, however odd, converts by one defined rule.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>

#include <QDataStream>

#include "support/hex.h"
#include "tlv/codecs.h"
#include "tlv/json_parser.h"

using testing_support::toHex;

namespace {

constexpr quint16 kUserId = 13, kDocData = 21, kDeptId = 36, kPrice = 37, kShiftId = 43, kUserName = 50,
                  kTaskId = 53, kForcePrint = 62, kUnknown = 500;
constexpr int kIntDefault = -5;
constexpr unsigned long long kU64Default = 99;
const char* const kRefused = "refused";

// What a writer did: the hex it wrote, or kRefused when it returned false. A refusal that
// still wrote bytes shows both, so it cannot pass as either.
std::string written(const std::function<bool(QDataStream&)>& write)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const bool ok = write(out);
    if (ok)
        return toHex(bytes);
    return bytes.isEmpty() ? kRefused : std::string(kRefused) + " but wrote " + toHex(bytes);
}

const JsonParser& parser()
{
    static const JsonParser instance(korvex::deviceDictionary());
    return instance;
}

// --- The member writer by JSON type and tag type ---

struct MemberCase {
    const char* name;
    const char* object;
    quint16 tag;
    bool cp1251;
    std::string expected;
};

void PrintTo(const MemberCase& c, std::ostream* os) { *os << c.name; }

class MemberWriter : public testing::TestWithParam<MemberCase> {};

TEST_P(MemberWriter, WritesOneItemOrNothing)
{
    const MemberCase& c = GetParam();
    const Json object = Json::parse(c.object);
    const QTextCodec* codec = c.cp1251 ? korvex::cp1251() : nullptr;
    EXPECT_EQ(written([&](QDataStream& out) { return parser().toStream(object, c.tag, out, codec); }), c.expected);
}

const MemberCase kMembers[] = {
    {"NumberAtItsWidth", R"({"shift_id":5})", kShiftId, false, "2B 00 02 00 05 00"},
    {"TextInWindows1251", R"({"user_name":"Иван"})", kUserName, true, "32 00 04 00 C8 E2 E0 ED"},
    {"TextAsUtf8", R"({"user_name":"Иван"})", kUserName, false, "32 00 08 00 D0 98 D0 B2 D0 B0 D0 BD"},
    {"EmptyTextIsAnEmptyItem", R"({"user_name":""})", kUserName, true, "32 00 00 00"},
    {"BooleanIsOne", R"({"force_print":true})", kForcePrint, false, "3E 00 01 00 01"},
    {"TruncatedToOneByte", R"({"dept_id":300})", kDeptId, false, "24 00 01 00 2C"},
    {"FractionTowardZero", R"({"price":12.99})", kPrice, false, "25 00 08 00 0C 00 00 00 00 00 00 00"},
    {"OtherMembersIgnored", R"({"a":1,"shift_id":7,"z":"x"})", kShiftId, false, "2B 00 02 00 07 00"},
    {"DigitTextForNumber", R"({"shift_id":"5"})", kShiftId, false, kRefused},
    {"NumberForText", R"({"user_name":5})", kUserName, false, kRefused},
    {"BooleanForText", R"({"user_name":true})", kUserName, false, kRefused},
    {"Null", R"({"user_id":null})", kUserId, false, kRefused},
    {"Array", R"({"user_id":[1]})", kUserId, false, kRefused},
    {"Object", R"({"user_id":{"user_id":1}})", kUserId, false, kRefused},
    {"KeyAbsent", R"({"shift":5})", kShiftId, false, kRefused},
    {"KeyIsCaseSensitive", R"({"Shift_Id":5})", kShiftId, false, kRefused},
    {"ArrayInPlaceOfObject", R"([{"shift_id":5}])", kShiftId, false, kRefused},
    {"TextInPlaceOfObject", R"("shift_id")", kShiftId, false, kRefused},
    {"UnknownTag", R"({"shift_id":5})", kUnknown, false, kRefused},
};

INSTANTIATE_TEST_SUITE_P(Table, MemberWriter, testing::ValuesIn(kMembers),
                         [](const testing::TestParamInfo<MemberCase>& info) { return info.param.name; });

// --- Numbers: the one conversion behind the member writer and the integer getters ---

struct NumberCase {
    const char* name;
    Json value;
    std::string asPrice;   // width 8
    std::string asUserId;  // width 2
    int asInt;
    unsigned long long asU64;
};

void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.name << " " << c.value.dump(); }

class NumberConversion : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberConversion, WrapsTruncatesOrCountsAsNotGiven)
{
    const NumberCase& c = GetParam();
    const Json price = {{"price", c.value}};
    const Json userId = {{"user_id", c.value}};
    const std::string priceItem = c.asPrice == kRefused ? kRefused : "25 00 08 00 " + c.asPrice;
    const std::string userIdItem = c.asUserId == kRefused ? kRefused : "0D 00 02 00 " + c.asUserId;
    EXPECT_EQ(written([&](QDataStream& out) { return parser().toStream(price, kPrice, out, nullptr); }), priceItem);
    EXPECT_EQ(written([&](QDataStream& out) { return parser().toStream(userId, kUserId, out, nullptr); }), userIdItem);
    EXPECT_EQ(parser().get<int>(price, kPrice, kIntDefault), c.asInt);
    EXPECT_EQ(parser().get<unsigned long long>(price, kPrice, kU64Default), c.asU64);
}

const std::uint64_t kMaxU64 = std::numeric_limits<std::uint64_t>::max();
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInfinity = std::numeric_limits<double>::infinity();

const NumberCase kNumbers[] = {
    {"Five", 5, "05 00 00 00 00 00 00 00", "05 00", 5, 5},
    {"Zero", 0, "00 00 00 00 00 00 00 00", "00 00", 0, 0},
    {"MinusOneIsAllOnes", -1, "FF FF FF FF FF FF FF FF", "FF FF", -1, kMaxU64},
    {"TrueIsOne", true, "01 00 00 00 00 00 00 00", "01 00", 1, 1},
    {"FalseIsZero", false, "00 00 00 00 00 00 00 00", "00 00", 0, 0},
    {"WiderThanTheTagKeepsLowBits", 65541, "05 00 01 00 00 00 00 00", "05 00", 65541, 65541},
    {"WiderThanIntWraps", 3000000000LL, "00 5E D0 B2 00 00 00 00", "00 5E", -1294967296, 3000000000ULL},
    {"LargestUnsigned", kMaxU64, "FF FF FF FF FF FF FF FF", "FF FF", -1, kMaxU64},
    {"FractionTowardZero", 12.99, "0C 00 00 00 00 00 00 00", "0C 00", 12, 12},
    {"NegativeFractionTowardZero", -12.99, "F4 FF FF FF FF FF FF FF", "F4 FF", -12, kMaxU64 - 11},
    {"LargeFloatInRange", 1e19, "00 00 E8 89 04 23 C7 8A", "00 00", -1981284352, 10000000000000000000ULL},
    {"LowestFloatInRange", -9223372036854775808.0, "00 00 00 00 00 00 00 80", "00 00", 0, 9223372036854775808ULL},
    {"FloatTwoToThe64", 18446744073709551616.0, kRefused, kRefused, kIntDefault, kU64Default},
    {"FloatBelowMinusTwoToThe63", -9223372036854777856.0, kRefused, kRefused, kIntDefault, kU64Default},
    {"Huge", 1e300, kRefused, kRefused, kIntDefault, kU64Default},
    {"HugeNegative", -1e300, kRefused, kRefused, kIntDefault, kU64Default},
    {"NaN", kNaN, kRefused, kRefused, kIntDefault, kU64Default},
    {"Infinity", kInfinity, kRefused, kRefused, kIntDefault, kU64Default},
    {"MinusInfinity", -kInfinity, kRefused, kRefused, kIntDefault, kU64Default},
    {"DigitText", "7", kRefused, kRefused, kIntDefault, kU64Default},
    {"Null", nullptr, kRefused, kRefused, kIntDefault, kU64Default},
    {"Array", Json::array({1}), kRefused, kRefused, kIntDefault, kU64Default},
    {"Object", Json::object(), kRefused, kRefused, kIntDefault, kU64Default},
};

INSTANTIATE_TEST_SUITE_P(Table, NumberConversion, testing::ValuesIn(kNumbers),
                         [](const testing::TestParamInfo<NumberCase>& info) { return info.param.name; });

// --- The text, byte and integer writers ---

struct ValueCase {
    const char* name;
    std::function<bool(QDataStream&)> write;
    std::string expected;
};

void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.name; }

class ValueWriter : public testing::TestWithParam<ValueCase> {};

TEST_P(ValueWriter, WritesOneItemOrNothing) { EXPECT_EQ(written(GetParam().write), GetParam().expected); }

const ValueCase kValues[] = {
    {"TextInWindows1251", [](QDataStream& o) { return parser().toStream(std::string("Иван"), kUserName, o, korvex::cp1251()); },
     "32 00 04 00 C8 E2 E0 ED"},
    {"TextAsUtf8", [](QDataStream& o) { return parser().toStream(std::string("Ж"), kUserName, o, nullptr); },
     "32 00 02 00 D0 96"},
    {"EmptyTextIsNotWritten", [](QDataStream& o) { return parser().toStream(std::string(), kUserName, o, nullptr); },
     kRefused},
    {"TextForNumericTag", [](QDataStream& o) { return parser().toStream(std::string("5"), kShiftId, o, nullptr); },
     kRefused},
    {"TextForUnknownTag", [](QDataStream& o) { return parser().toStream(std::string("5"), kUnknown, o, nullptr); },
     kRefused},
    {"BytesUnchanged", [](QDataStream& o) { return parser().toStream(QByteArray("\x01\x00\xFF", 3), kDocData, o); },
     "15 00 03 00 01 00 FF"},
    {"EmptyBytesAreNotWritten", [](QDataStream& o) { return parser().toStream(QByteArray(), kDocData, o); }, kRefused},
    {"BytesForNumericTag", [](QDataStream& o) { return parser().toStream(QByteArray("\x01"), kShiftId, o); }, kRefused},
    {"IntTruncatedToOneByte", [](QDataStream& o) { return parser().toStream<int>(300, kDeptId, o); }, "24 00 01 00 2C"},
    {"MinusOneAtWidthTwo", [](QDataStream& o) { return parser().toStream<int>(-1, kUserId, o); }, "0D 00 02 00 FF FF"},
    {"MinusOneAtWidthEight", [](QDataStream& o) { return parser().toStream<int>(-1, kPrice, o); },
     "25 00 08 00 FF FF FF FF FF FF FF FF"},
    {"TaskIdAtWidthFour", [](QDataStream& o) { return parser().toStream<unsigned long long>(7, kTaskId, o); },
     "35 00 04 00 07 00 00 00"},
    {"U64AtWidthOne", [](QDataStream& o) { return parser().toStream<unsigned long long>(kMaxU64, kDeptId, o); },
     "24 00 01 00 FF"},
    {"IntForTextTag", [](QDataStream& o) { return parser().toStream<int>(5, kUserName, o); }, kRefused},
    {"IntForUnknownTag", [](QDataStream& o) { return parser().toStream<int>(5, kUnknown, o); }, kRefused},
};

INSTANTIATE_TEST_SUITE_P(Table, ValueWriter, testing::ValuesIn(kValues),
                         [](const testing::TestParamInfo<ValueCase>& info) { return info.param.name; });

// --- Text that does not fit a 16-bit length ---

TEST(JsonParserLength, TextOfMoreThan65535EncodedBytesIsRefused)
{
    const std::string fits(65535, 'a');
    const std::string tooLong(65536, 'a');
    // 40000 letters: 40000 bytes in Windows-1251, 80000 in UTF-8.
    std::string cyrillic;
    for (int i = 0; i < 40000; ++i)
        cyrillic += "Ж";
    const QTextCodec* cp1251 = korvex::cp1251();

    struct Row {
        const std::string& text;
        const QTextCodec* codec;
        bool fits;
    };
    for (const Row& row : {Row{fits, nullptr, true}, Row{tooLong, nullptr, false}, Row{cyrillic, cp1251, true},
                           Row{cyrillic, nullptr, false}}) {
        const Json object = {{"user_name", row.text}};
        const std::string viaMember =
            written([&](QDataStream& o) { return parser().toStream(object, kUserName, o, row.codec); });
        const std::string viaText =
            written([&](QDataStream& o) { return parser().toStream(row.text, kUserName, o, row.codec); });
        EXPECT_EQ(viaMember == kRefused, !row.fits) << row.text.size() << " bytes of text";
        EXPECT_EQ(viaText, viaMember);
    }
    EXPECT_EQ(written([&](QDataStream& o) { return parser().toStream(QByteArray(65536, 'a'), kDocData, o); }), kRefused);
    EXPECT_EQ(written([&](QDataStream& o) { return parser().toStream(QByteArray(65535, 'a'), kDocData, o); })
                  .substr(0, 11),
              "15 00 FF FF");
}

// --- Readers ---

TEST(JsonParserReaders, TextIsEmptyUnlessTheMemberIsAString)
{
    const Json object = Json::parse(R"({"user_name":"Иван","shift_id":5,"user_id":null,"fd_doc_data":["x"]})");
    EXPECT_EQ(parser().get(object, kUserName), "Иван");
    EXPECT_EQ(parser().get(object, kShiftId), "");
    EXPECT_EQ(parser().get(object, kUserId), "");
    EXPECT_EQ(parser().get(object, kDocData), "");
    EXPECT_EQ(parser().get(object, kPrice), "");
    EXPECT_EQ(parser().get(object, kUnknown), "");
    EXPECT_EQ(parser().get(Json::array({object}), kUserName), "");
}

TEST(JsonParserReaders, EncodedTextUsesTheCodecWhenGiven)
{
    const Json object = Json::parse(R"({"user_name":"Иван","shift_id":5})");
    EXPECT_EQ(parser().getEncoded(object, kUserName, korvex::cp1251()), "\xC8\xE2\xE0\xED");
    EXPECT_EQ(parser().getEncoded(object, kUserName, nullptr), "Иван");
    EXPECT_EQ(parser().getEncoded(object, kShiftId, korvex::cp1251()), "");
}

TEST(JsonParserReaders, ContainsAnyValueUnderAKnownTagsKey)
{
    const Json object = Json::parse(R"({"user_id":null,"Shift_Id":5})");
    EXPECT_TRUE(parser().contains(object, kUserId));
    EXPECT_FALSE(parser().contains(object, kShiftId));
    EXPECT_FALSE(parser().contains(object, kUnknown));
    EXPECT_FALSE(parser().contains(Json::array({object}), kUserId));
    EXPECT_FALSE(parser().contains(Json(Json::value_t::discarded), kUserId));
}

TEST(JsonParserReaders, NullDictionaryKnowsNoTag)
{
    const JsonParser none(nullptr);
    const Json object = Json::parse(R"({"user_name":"a","shift_id":5})");
    EXPECT_EQ(written([&](QDataStream& o) { return none.toStream(object, kShiftId, o, nullptr); }), kRefused);
    EXPECT_EQ(written([&](QDataStream& o) { return none.toStream(std::string("a"), kUserName, o, nullptr); }), kRefused);
    EXPECT_EQ(written([&](QDataStream& o) { return none.toStream(QByteArray("a"), kUserName, o); }), kRefused);
    EXPECT_EQ(written([&](QDataStream& o) { return none.toStream<int>(5, kShiftId, o); }), kRefused);
    EXPECT_EQ(none.get(object, kUserName), "");
    EXPECT_EQ(none.get<int>(object, kShiftId, kIntDefault), kIntDefault);
    EXPECT_FALSE(none.contains(object, kShiftId));
}

}  // namespace
