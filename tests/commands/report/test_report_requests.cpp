// The X-report (plain, or on behalf of an operator), the settlement-state report and the cash
// total: their requests and refusals.
#include <gtest/gtest.h>

#include "commands/report/command_get_money.h"
#include "commands/report/command_report_state.h"
#include "commands/report/command_report_x.h"
#include "support/request_cases.h"

using namespace testing_support;

namespace {

const CommandKind reportX = kindOf<CommandReportX>(208);
const CommandKind reportState = kindOf<CommandReportState>(214);
const CommandKind getMoney = kindOf<CommandGetMoney>(210);

const RequestCase kCases[] = {
    // No input at all is the plain report: nothing is parsed or checked.
    {"ReportXNoInput", reportX, 1, "", 0, kTask1},
    {"ReportXUserId", reportX, 1, R"({"user_id":7})", 0, kTask1 + " 0D 00 02 00 07 00"},
    {"ReportXUserIdWithoutTask", reportX, 0, R"({"user_id":7})", 0, "0D 00 02 00 07 00"},
    // "Иван" in Windows-1251.
    {"ReportXUserName", reportX, 1, R"({"user_name":"Иван"})", 0, kTask1 + " 32 00 04 00 C8 E2 E0 ED"},
    {"ReportXAllThree", reportX, 0, R"({"user_inn":"7707083893","user_name":"A","user_id":7})", 0,
     "0D 00 02 00 07 00 32 00 01 00 41 34 00 0A 00 37 37 30 37 30 38 33 38 39 33"},
    {"ReportXEmptyInnIsNotSent", reportX, 0, R"({"user_id":7,"user_inn":""})", 0, "0D 00 02 00 07 00"},
    {"ReportXEmptyObject", reportX, 1, "{}", -8, R"(["user_name","user_id"])"},
    {"ReportXZeroIdAndEmptyName", reportX, 1, R"({"user_id":0,"user_name":""})", -8, R"(["user_name","user_id"])"},
    {"ReportXNotJson", reportX, 1, "{\"user_id\":7", -8, R"(["user_name","user_id"])"},
    {"ReportXInvalidInn", reportX, 1, R"({"user_id":7,"user_inn":"123"})", -8, R"(["user_inn"])"},
    {"ReportXInvalidInnAlone", reportX, 1, R"({"user_inn":"123"})", -8, R"(["user_inn","user_name","user_id"])"},
    {"ReportXValidInnAlone", reportX, 1, R"({"user_inn":"7707083893"})", -8, R"(["user_name","user_id"])"},
    {"ReportXNull", reportX, 1, "null", -9, ""},
    // The input of these two is never read; only the state report carries the task item.
    {"ReportStateIgnoresInput", reportState, 1, "null", 0, kTask1},
    {"GetMoneyHasNoPayload", getMoney, 1, R"({"user_id":7})", 0, ""},
};

class ReportRequest : public testing::TestWithParam<RequestCase> {};

TEST_P(ReportRequest, Builds) { expectRequest(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Cases, ReportRequest, testing::ValuesIn(kCases), caseName);

TEST(GetMoneyParse, TakesTheShiftCash)
{
    CommandGetMoney command("127.0.0.1", 1, QString());
    EXPECT_EQ(command.parse(item(15, u64(123456789012ull)) + item(43, u16(2))), Json({{"shift_cash", 123456789012ull}}));
    EXPECT_TRUE(command.parse(item(43, u16(2))).is_null());
}

}  // namespace
