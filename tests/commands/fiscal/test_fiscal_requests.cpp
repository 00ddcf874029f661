// Requests and replies of the fiscal drive commands: one document by number, one part of it
// as Base64, and the drive's state.
#include <gtest/gtest.h>

#include "commands/fiscal/command_get_fd.h"
#include "commands/fiscal/command_get_fd_state.h"
#include "commands/fiscal/command_get_fd_tag.h"
#include "support/request_cases.h"

using namespace testing_support;

namespace {

const CommandKind getFd = kindOf<CommandGetFd>(102);
const CommandKind getFdTag = kindOf<CommandGetFdTag>(105);
const CommandKind getFdState = kindOf<CommandGetFdState>(104);

// A task id given to these commands is never sent.
const RequestCase kCases[] = {
    {"GetFdNumberOnly", getFd, 9, R"({"fd_doc_id":5,"fd_tag":1077})", 0, "14 00 04 00 05 00 00 00"},
    {"GetFdEmptyObject", getFd, 0, "{}", -8, R"(["fd_doc_id"])"},
    {"GetFdNumberAsText", getFd, 0, R"({"fd_doc_id":"5"})", -8, R"(["fd_doc_id"])"},
    {"GetFdNotJson", getFd, 0, "{\"fd_doc_id\":5", -8, R"(["fd_doc_id"])"},
    {"GetFdNull", getFd, 0, "null", -9, ""},
    {"GetFdTagNumberThenTag", getFdTag, 9, R"({"fd_tag":1077,"fd_doc_id":5})", 0,
     "14 00 04 00 05 00 00 00 57 00 02 00 35 04"},
    {"GetFdTagEmptyObject", getFdTag, 0, "{}", -8, R"(["fd_doc_id","fd_tag"])"},
    {"GetFdTagTagMissing", getFdTag, 0, R"({"fd_doc_id":5})", -8, R"(["fd_tag"])"},
    {"GetFdTagNumberAsText", getFdTag, 0, R"({"fd_doc_id":"5","fd_tag":1})", -8, R"(["fd_doc_id"])"},
    {"GetFdTagNull", getFdTag, 0, "null", -9, ""},
    {"GetFdStateHasNoPayload", getFdState, 9, "null", 0, ""},
};

class FiscalRequest : public testing::TestWithParam<RequestCase> {};

TEST_P(FiscalRequest, Builds) { expectRequest(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Cases, FiscalRequest, testing::ValuesIn(kCases), caseName);

TEST(GetFdTagParse, HandsTheBytesOutAsBase64)
{
    CommandGetFdTag command("127.0.0.1", 1, QString());
    EXPECT_EQ(command.parse(item(21, hex("01 02 03"))), Json({{"base64", "AQID"}}));
    EXPECT_EQ(command.parse(item(21, hex("FB FF"))), Json({{"base64", "+/8="}}));
    EXPECT_TRUE(command.parse(item(19, u8(1))).is_null());
    EXPECT_TRUE(command.parse(item(21, QByteArray())).is_null());
}

TEST(GetFdStateParse, ConvertsTheTagsPresentOnly)
{
    CommandGetFdState command("127.0.0.1", 1, QString());
    EXPECT_EQ(command.parse(item(24, "9999078900001234") + item(43, u16(5)) + item(20, u32(1))),
              Json({{"fd_serial", "9999078900001234"}, {"shift_id", 5}}));
    EXPECT_TRUE(command.parse(item(20, u32(1))).is_null());
}

TEST(GetFdStateParse, ConvertsEveryStateTag)
{
    QByteArray payload;
    for (const Item& i : std::vector<Item>{{18, u32(1)}, {16, u32(2)}, {78, u8(3)}, {79, u8(4)}, {86, u16(6)},
                                           {82, u8(7)}, {83, u16(8)}, {84, u32(9)}, {85, u32(10)}, {80, u32(11)},
                                           {81, u8(12)}, {88, u8(13)}, {89, u32(14)}, {90, u32(15)},
                                           {124, u8(16)}, {125, u8(17)}})
        payload += item(i.tag, i.value);
    CommandGetFdState command("127.0.0.1", 1, QString());
    EXPECT_EQ(command.parse(payload), Json::parse(R"({"fd_last_date":1,"fd_last_doc":2,"fd_flags":3,"fd_phase":4,
        "shift_doc_number":6,"fd_shift_state":7,"fd_waiting":8,"fd_waiting_document":9,"fd_waiting_date":10,
        "fd_expired":11,"fd_reg_left":12,"fd_reg_count":13,"fd_reg_document":14,"fd_reg_date":15,
        "ffd_version":16,"kkt_ffd_version":17})"));
}

}  // namespace
