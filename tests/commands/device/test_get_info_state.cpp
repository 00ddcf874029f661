// What the register is and how it is set up: the reply payloads of codes 1 and 6 as JSON,
// and the requests that ask for them.
#include <gtest/gtest.h>

#include "commands/device/command_get_info.h"
#include "commands/device/command_get_state.h"
#include "support/frames.h"
#include "support/test_peer.h"

using namespace testing_support;

namespace {

QByteArray concat(std::initializer_list<QByteArray> parts)
{
    QByteArray all;
    for (const QByteArray& part : parts)
        all += part;
    return all;
}

struct VersionCase {
    const char* name;
    QByteArray payload;
    std::string version;
};

void PrintTo(const VersionCase& row, std::ostream* os) { *os << row.name; }

class InfoVersion : public testing::TestWithParam<VersionCase> {};

TEST_P(InfoVersion, IsBuiltFromVersionBuildAndFlags)
{
    CommandGetInfo command("127.0.0.1", 1, QString());
    const Json data = command.parse(GetParam().payload);
    ASSERT_TRUE(data.is_object());
    EXPECT_EQ(data["version"], GetParam().version);
    // Items 1 to 3 show only through the version text.
    EXPECT_FALSE(data.contains("build"));
    EXPECT_FALSE(data.contains("flags"));
}

const QByteArray kVersion = item(1, u16(0x1005)) + item(2, u16(37));

INSTANTIATE_TEST_SUITE_P(
    Texts, InfoVersion,
    testing::Values(VersionCase{"DebugLanKz", kVersion + item(3, u8(0x05)), "1.5.37d lan kz"},
                    VersionCase{"Wifi", kVersion + item(3, u8(0x02)), "1.5.37 wifi"},
                    VersionCase{"Lan", kVersion + item(3, u8(0x00)), "1.5.37 lan"},
                    VersionCase{"AllFlags", kVersion + item(3, u8(0x07)), "1.5.37d wifi kz"},
                    // Only the low byte of the flags counts.
                    VersionCase{"HighFlagByteIgnored", kVersion + item(3, u16(0x0700)), "1.5.37 lan"},
                    VersionCase{"WideNumbers", item(1, u32(0xFFFFF)) + item(2, u32(70000)), "255.4095.70000 lan"},
                    VersionCase{"SerialOnly", item(6, "0123456789"), "0.0.0 lan"}),
    [](const testing::TestParamInfo<VersionCase>& info) { return std::string(info.param.name); });

TEST(InfoParse, ConvertsEveryListedItem)
{
    const QByteArray payload = concat({item(6, "0123456789"), item(54, u8(2)), item(4, u16(4096)),
                                       item(5, u16(10000)), item(135, u16(12)), item(57, u32(0x01020304)),
                                       item(115, u8(48)), item(124, u8(4)), item(99, "ignored")});
    CommandGetInfo command("127.0.0.1", 1, QString());
    EXPECT_EQ(command.parse(payload), Json::parse(R"({"active_goods":12,"boot_version":16909060,"ffd_version":4,
        "flash_bank":2,"flash_size":4096,"goods_count":10000,"line_length":48,"serial":"0123456789",
        "version":"0.0.0 lan"})"));
}

// Windows-1251 bytes of ООО "Ромашка" and г. Москва.
const QByteArray kCompanyCp1251("\xCE\xCE\xCE \"\xD0\xEE\xEC\xE0\xF8\xEA\xE0\"");
const QByteArray kAddressCp1251("\xE3. \xCC\xEE\xF1\xEA\xE2\xE0");

TEST(StateParse, DecodesWindows1251TextsAndCopiesTheOthers)
{
    const QByteArray payload = concat({item(23, u16(0x0102)), item(26, u8(1)), item(49, u8(2)), item(27, u8(3)),
                                       item(25, u8(4)), item(24, QByteArray("\xC0\x31", 2)), item(28, "0000000001"),
                                       item(91, kCompanyCp1251), item(92, "7707083893"), item(93, kAddressCp1251),
                                       item(94, kAddressCp1251), item(95, kCompanyCp1251), item(96, "7704211201"),
                                       item(97, "www.nalog.gov.ru"), item(98, "\xE0@x.ru"), item(99, "A1"),
                                       item(139, u32(1700000000))});
    CommandGetState command("127.0.0.1", 1, QString());
    const Json data = command.parse(payload);

    const std::string company = "ООО \"Ромашка\"", address = "г. Москва";
    EXPECT_EQ(data, (Json{{"dev_context", 0x0102}, {"fd_mode", 1}, {"fd_ext_mode", 2}, {"taxcode", 3},
                          {"agents", 4}, {"fd_serial", "\xC0\x31"}, {"regnum", "0000000001"},
                          {"company_name", company}, {"company_inn", "7707083893"}, {"sale_address", address},
                          {"sale_location", address}, {"ofd_name", company}, {"ofd_inn", "7704211201"},
                          {"fns_site", "www.nalog.gov.ru"}, {"sender_email", "а@x.ru"}, {"automat_number", "A1"},
                          {"date_time", 1700000000}}));
}

TEST(StateParse, NoneOfTheItemsGivesNull)
{
    CommandGetState command("127.0.0.1", 1, QString());
    EXPECT_TRUE(command.parse(item(6, "0123456789")).is_null());
}

// Both ask without a payload; the serial, once known, goes first.
TEST(InfoStateRequest, FramesWithoutPayload)
{
    TestPeer peer;
    peer.script({answer(replyFrame({item(8, u16(0))})), answer(replyFrame({item(8, u16(0))}))});
    CommandGetInfo info("127.0.0.1", peer.port(), QString());
    CommandGetState state("127.0.0.1", peer.port(), "0123456789");
    ASSERT_EQ(info.run(2000, 0, {}), 0);
    ASSERT_EQ(state.run(2000, 0, {}), 0);

    const QByteArray version = item(65, u32(0x03090038));
    ASSERT_EQ(peer.requests().size(), 2u);
    EXPECT_EQ(peer.requests()[0].frame, frameOf(version + item(7, u16(1))));
    EXPECT_EQ(peer.requests()[1].frame, frameOf(item(6, "0123456789") + version + item(7, u16(6))));
}

TEST(StateExchange, EmptyPayloadGivesNoData)
{
    TestPeer peer;
    peer.script({answer(dataReply({}))});
    CommandGetState state("127.0.0.1", peer.port(), QString());
    ASSERT_EQ(state.run(2000, 0, {}), 0);
    EXPECT_EQ(state.output.toStdString(), R"({"extended":0,"response":0})");
}

}  // namespace
