// The shift opening and closing: the operator block, the print flags and the optional
// attribute and data, and the order in which each command reports a missing operator.
#include <gtest/gtest.h>

#include "commands/shift/command_close_shift.h"
#include "commands/shift/command_open_shift.h"
#include "support/request_cases.h"

using namespace testing_support;

namespace {

const CommandKind open = kindOf<CommandOpenShift>(203);
const CommandKind close = kindOf<CommandCloseShift>(204);
// 7707083893 is a valid 10-digit taxpayer number.
const std::string kInnItem = "34 00 0A 00 37 37 30 37 30 38 33 38 39 33";

const RequestCase kCases[] = {
    {"OpenUserIdWithTask1", open, 1, R"({"user_id": 3})", 0, kTask1 + " 0D 00 02 00 03 00"},
    {"OpenCashierInCp1251", open, 0, R"({"user_name": "Кассир"})", 0, "32 00 06 00 CA E0 F1 F1 E8 F0"},
    {"CloseCashierInCp1251", close, 0, R"({"user_name": "Кассир"})", 0, "32 00 06 00 CA E0 F1 F1 E8 F0"},
    {"OperatorInIdNameInnOrder", open, 0, R"({"user_inn":"7707083893","user_name":"A","user_id":7})", 0,
     "0D 00 02 00 07 00 32 00 01 00 41 " + kInnItem},
    {"EmptyInnIsNotSent", close, 0, R"({"user_id":7,"user_inn":""})", 0, "0D 00 02 00 07 00"},
    {"ForcePrintAfterOperator", open, 0, R"({"user_id": 1, "force_print": true})", 0,
     "0D 00 02 00 01 00 3E 00 01 00 01"},
    // opt_attr "Б" in Windows-1251, opt_data AQID = 01 02 03.
    {"MembersInTableOrder", close, 0,
     R"({"opt_data":"AQID","opt_attr":"Б","forbid_print":0,"force_print":1,"user_id":1})", 0,
     "0D 00 02 00 01 00 3E 00 01 00 01 8C 00 01 00 00 98 00 01 00 C1 99 00 03 00 01 02 03"},
    {"EmptyOptDataIsNotSent", open, 0, R"({"user_id": 1, "opt_data": ""})", 0, "0D 00 02 00 01 00"},
    {"OpenEmpty", open, 1, "{}", -8, R"(["user_id","user_name"])"},
    {"CloseEmpty", close, 1, "{}", -8, R"(["user_name","user_id"])"},
    {"OpenZeroIdAndEmptyName", open, 0, R"({"user_id":0,"user_name":""})", -8, R"(["user_id","user_name"])"},
    {"OpenIdAsText", open, 0, R"({"user_id":"5"})", -8, R"(["user_id","user_name"])"},
    // A taxpayer number alone does not name the operator of a shift.
    {"OpenValidInnAlone", open, 0, R"({"user_inn":"7707083893"})", -8, R"(["user_id","user_name"])"},
    {"CloseValidInnAlone", close, 0, R"({"user_inn":"7707083893"})", -8, R"(["user_name","user_id"])"},
    {"OpenInvalidInn", open, 0, R"({"user_id": 1, "user_inn": "123"})", -8, R"(["user_inn"])"},
    {"OpenInvalidInnAlone", open, 0, R"({"user_inn":"123"})", -8, R"(["user_inn","user_id","user_name"])"},
    {"CloseInvalidInnAlone", close, 0, R"({"user_inn":"123"})", -8, R"(["user_inn","user_name","user_id"])"},
};

class ShiftRequest : public testing::TestWithParam<RequestCase> {};

TEST_P(ShiftRequest, Builds) { expectRequest(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Cases, ShiftRequest, testing::ValuesIn(kCases), caseName);

}  // namespace
