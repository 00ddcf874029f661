// Closing the fiscal archive on behalf of an operator, and setting the register's clock.
#include <gtest/gtest.h>

#include "commands/service/command_close_archive.h"
#include "commands/service/command_set_date_time.h"
#include "support/request_cases.h"

using namespace testing_support;

namespace {

const CommandKind closeArchive = kindOf<CommandCloseArchive>(219);
const CommandKind setDateTime = kindOf<CommandSetDateTime>(18);

const RequestCase kCases[] = {
    {"ArchiveUserId", closeArchive, 1, R"({"user_id":3})", 0, kTask1 + " 0D 00 02 00 03 00"},
    // "Б" in Windows-1251; 500100732259 is a valid 12-digit taxpayer number.
    {"ArchiveUserNameAndInn", closeArchive, 0, R"({"user_name":"Б","user_inn":"500100732259"})", 0,
     "32 00 01 00 C1 34 00 0C 00 35 30 30 31 30 30 37 33 32 32 35 39"},
    // Unlike the X-report, an empty text is parsed too, and so names no operator.
    {"ArchiveEmptyText", closeArchive, 1, "", -8, R"(["user_name","user_id"])"},
    {"ArchiveEmptyObject", closeArchive, 1, "{}", -8, R"(["user_name","user_id"])"},
    {"ArchiveInvalidInnAlone", closeArchive, 1, R"({"user_inn":"7707083890"})", -8,
     R"(["user_inn","user_name","user_id"])"},
    {"ArchiveNull", closeArchive, 1, "null", -9, ""},
    // The clock is never refused and never carries the task item.
    {"ClockSeconds", setDateTime, 1, R"({"date_time":1700000000})", 0, "8B 00 04 00 00 F1 53 65"},
    {"ClockTrue", setDateTime, 1, R"({"date_time":true})", 0, "8B 00 04 00 01 00 00 00"},
    {"ClockNumberAsText", setDateTime, 1, R"({"date_time":"1700000000"})", 0, ""},
    {"ClockMissing", setDateTime, 1, "{}", 0, ""},
    {"ClockNotAnObject", setDateTime, 1, "1700000000", 0, ""},
    {"ClockNull", setDateTime, 1, "null", -9, ""},
};

class ServiceRequest : public testing::TestWithParam<RequestCase> {};

TEST_P(ServiceRequest, Builds) { expectRequest(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Cases, ServiceRequest, testing::ValuesIn(kCases), caseName);

}  // namespace
