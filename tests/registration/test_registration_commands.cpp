#include <gtest/gtest.h>

#include "registration/command_add_reg_item.h"
#include "registration/command_begin_registration.h"
#include "registration/command_registration.h"
#include "support/frames.h"
#include "support/hex.h"
#include "support/prepared_request.h"

using namespace testing_support;

namespace {

// "Рога" in Windows-1251, and the same bytes in Base64.
const char* const kRogaCp1251 = "D0 EE E3 E0";
const char* const kRogaBase64 = "0O7j4A==";
constexpr quint32 kTask = 5;
const QByteArray kTaskItem = item(53, u32(kTask));

TEST(BeginRegistration, SendsTheTaskItemOnly)
{
    const Prepared<CommandBeginRegistration> none({});
    ASSERT_EQ(none.result, 0);
    EXPECT_EQ(none.code(), 215);
    EXPECT_EQ(none.payload(), "");
    const Prepared<CommandBeginRegistration> task(R"({"fd_tag":1})", kTask);
    EXPECT_EQ(task.payload(), toHex(kTaskItem));
}

TEST(AddRegItem, SendsTheDecodedValueUnderItsTag)
{
    const Prepared<CommandAddRegItem> p(QByteArray(R"({"fd_tag":91,"value":")") + kRogaBase64 + "\"}", kTask);
    ASSERT_EQ(p.result, 0);
    EXPECT_EQ(p.code(), 216);
    EXPECT_EQ(p.payload(), toHex(kTaskItem + item(91, hex(kRogaCp1251))));
    // A tag the device dictionary does not name goes out just the same.
    const Prepared<CommandAddRegItem> unnamed(R"({"fd_tag":1008,"value":"AQID"})", kTask);
    EXPECT_EQ(unnamed.payload(), toHex(kTaskItem + item(1008, hex("01 02 03"))));
}

TEST(AddRegItem, RefusesAnItemWithoutUsableTagOrValue)
{
    const std::string tooLong = QByteArray(0x10000, 'x').toBase64().toStdString();
    const std::string longest = QByteArray(0xFFFF, 'x').toBase64().toStdString();
    const std::string cases[] = {
        R"({"fd_tag":0,"value":"AQID"})",
        R"({"value":"AQID"})",
        R"({"fd_tag":-1,"value":"AQID"})",
        R"({"fd_tag":65536,"value":"AQID"})",
        R"({"fd_tag":"91","value":"AQID"})",
        R"({"fd_tag":91})",
        R"({"fd_tag":91,"value":null})",
        R"({"fd_tag":91,"value":""})",
        R"({"fd_tag":91,"value":"!!"})",
        R"({"fd_tag":91,"value":12})",
        R"({"fd_tag":91,"value":["AQID"]})",
        R"({"fd_tag":91,"value":")" + tooLong + "\"}",
        "[1]",
        "not json",
    };
    for (const std::string& input : cases) {
        const Prepared<CommandAddRegItem> p(QByteArray::fromStdString(input), kTask);
        EXPECT_EQ(p.result, korvex3::kInvalidFields) << input.substr(0, 60);
        EXPECT_EQ(p.output(), R"(["fd_tag"])") << input.substr(0, 60);
        EXPECT_FALSE(p.framed()) << input.substr(0, 60);
    }
    EXPECT_EQ(Prepared<CommandAddRegItem>("null").result, korvex3::kNullInput);
    // The longest value an item can hold is taken (the frame then decides whether it fits).
    EXPECT_EQ(Prepared<CommandAddRegItem>(QByteArray::fromStdString(R"({"fd_tag":91,"value":")" + longest + "\"}")).result, 0);
}

TEST(CompleteRegistration, WritesTheShortAttributesInWireOrder)
{
    const Prepared<CommandRegistration> empty("{}", kTask);
    ASSERT_EQ(empty.result, 0);
    EXPECT_EQ(empty.code(), 217);
    EXPECT_EQ(empty.payload(), toHex(kTaskItem));

    const Prepared<CommandRegistration> full(R"({"reg_reason_ext":7,"sender_email":"a@b","reg_reason":1,
        "ofd_inn":"7704211201","automat_number":"Рога","agents":2,"fd_ext_mode":3,"fd_mode":4,"taxcode":1,
        "company_inn":"","fd_serial":"F1","regnum":"Рн","company_name":"ignored","extra":1})", kTask);
    ASSERT_EQ(full.result, 0);
    const QByteArray expected = kTaskItem + item(28, hex("D0 A0 D0 BD")) + item(24, "F1") + item(92, QByteArray()) +
                                item(27, u8(1)) + item(26, u8(4)) + item(49, u8(3)) + item(25, u8(2)) +
                                item(99, hex(kRogaCp1251)) + item(96, "7704211201") + item(98, "a@b") +
                                item(116, u8(1)) + item(167, u32(7));
    EXPECT_EQ(full.payload(), toHex(expected));
}

TEST(CompleteRegistration, RefusesInvalidTaxpayerNumbersInCheckOrder)
{
    struct Case {
        const char* input;
        const char* errors;
    };
    const Case cases[] = {
        {R"({"company_inn":"77070838931","ofd_inn":"7704211201"})", R"(["company_inn"])"},
        {R"({"company_inn":"7707083893","ofd_inn":"1234567890"})", R"(["ofd_inn"])"},
        {R"({"ofd_inn":"1","company_inn":"2"})", R"(["company_inn","ofd_inn"])"},
    };
    for (const Case& c : cases) {
        const Prepared<CommandRegistration> p(c.input);
        EXPECT_EQ(p.result, korvex3::kInvalidFields) << c.input;
        EXPECT_EQ(p.output(), c.errors) << c.input;
    }
    EXPECT_EQ(Prepared<CommandRegistration>("null").result, korvex3::kNullInput);
    EXPECT_EQ(Prepared<CommandRegistration>("not json", kTask).payload(), toHex(kTaskItem));
}

}  // namespace
