// Entering, leaving and resetting the emulation, resetting the register, and keep-alive: the
// requests they build and the records they write.
#include <algorithm>

#include <gtest/gtest.h>

#include "commands/mode/command_enter.h"
#include "commands/mode/command_exit.h"
#include "commands/mode/command_fremu_reset.h"
#include "commands/mode/command_keep_alive.h"
#include "commands/mode/command_reset.h"
#include "support/log_capture.h"
#include "support/request_cases.h"

using namespace testing_support;

namespace {

const CommandKind enter = kindOf<CommandEnter>(201);
const CommandKind leave = kindOf<CommandExit>(202);
const CommandKind fremuReset = kindOf<CommandFremuReset>(223);
const CommandKind reset = kindOf<CommandReset>(15);
const CommandKind keepAlive = kindOf<CommandKeepAlive>(224);

const RequestCase kCases[] = {
    // No input is read and no task item is written, whatever run() was given.
    {"EnterHasNoPayload", enter, 0, "", 0, ""},
    {"EnterIgnoresTaskAndInput", enter, 5, R"({"timeout":60})", 0, ""},
    {"ExitHasNoPayload", leave, 5, "null", 0, ""},
    {"FremuResetHasNoPayload", fremuReset, 5, "null", 0, ""},
    {"ResetHasNoPayload", reset, 5, "null", 0, ""},

    {"KeepAliveTimeout", keepAlive, 0, R"({"timeout": 60})", 0, "8A 00 04 00 3C 00 00 00"},
    {"KeepAliveNoTaskItem", keepAlive, 1, R"({"timeout": 60})", 0, "8A 00 04 00 3C 00 00 00"},
    {"KeepAliveBoolean", keepAlive, 0, R"({"timeout": true})", 0, "8A 00 04 00 01 00 00 00"},
    {"KeepAliveNegativeWraps", keepAlive, 0, R"({"timeout": -1})", 0, "8A 00 04 00 FF FF FF FF"},
    {"KeepAliveFractionTowardZero", keepAlive, 0, R"({"timeout": 59.9})", 0, "8A 00 04 00 3B 00 00 00"},
    {"KeepAliveWiderThan32BitsKeepsLowBits", keepAlive, 0, R"({"timeout": 4294967356})", 0, "8A 00 04 00 3C 00 00 00"},
    {"KeepAliveEmpty", keepAlive, 0, "{}", 0, ""},
    {"KeepAliveTimeoutAsText", keepAlive, 0, R"({"timeout": "60"})", 0, ""},
    {"KeepAliveTimeoutNull", keepAlive, 0, R"({"timeout": null})", 0, ""},
    {"KeepAliveTimeoutOutOfRange", keepAlive, 0, R"({"timeout": 1e300})", 0, ""},
    {"KeepAliveUnparsable", keepAlive, 0, R"({"timeout": 60)", 0, ""},
    {"KeepAliveEmptyText", keepAlive, 0, "", 0, ""},
    {"KeepAliveNull", keepAlive, 0, "null", -9, ""},
};

class ModeRequest : public testing::TestWithParam<RequestCase> {};

TEST_P(ModeRequest, IsBuiltByItsTable) { expectRequest(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Cases, ModeRequest, testing::ValuesIn(kCases), caseName);

struct RecordCase {
    const char* name;
    CommandKind command;
    std::vector<std::string> records;
};

void PrintTo(const RecordCase& c, std::ostream* os) { *os << c.name; }

class ModeRecords : public testing::TestWithParam<RecordCase> {};

TEST_P(ModeRecords, AreTheBeginTextOrNone)
{
    LogCapture log;
    GetParam().command.prepare(R"({"timeout":1})", 0);
    // Besides the frame's own record.
    std::vector<std::string> records = log.lines();
    records.erase(std::remove(records.begin(), records.end(), "prepare to send"), records.end());
    EXPECT_EQ(records, GetParam().records);
}

const RecordCase kRecords[] = {
    {"Enter", enter, {}},
    {"Exit", leave, {}},
    {"FremuReset", fremuReset, {"fremu reset begin"}},
    {"Reset", reset, {}},
    {"KeepAlive", keepAlive, {"keep alive begin"}},
};

INSTANTIATE_TEST_SUITE_P(Commands, ModeRecords, testing::ValuesIn(kRecords),
                         [](const testing::TestParamInfo<RecordCase>& info) { return info.param.name; });

}  // namespace
