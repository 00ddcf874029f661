// Caller text that is not a JSON object, for every receipt command that reads its input: the
// value null is refused with -9 before anything is read, and anything else that is not an
// object builds exactly what {} builds. Each announces itself in the log.
#include <algorithm>
#include <ostream>

#include <gtest/gtest.h>

#include "commands/document/command_close_doc.h"
#include "commands/document/command_open_doc.h"
#include "commands/item/command_add_item.h"
#include "commands/item/command_set_agent.h"
#include "commands/item/command_set_client_info.h"
#include "commands/item/command_set_ind_props.h"
#include "commands/marking/command_query_marking.h"
#include "commands/shift/command_close_shift.h"
#include "commands/shift/command_open_shift.h"
#include "commands/text/command_add_footer.h"
#include "commands/text/command_add_text.h"
#include "commands/text/command_print.h"
#include "commands/text/command_print_doc.h"
#include "support/log_capture.h"
#include "support/request_cases.h"

using namespace testing_support;

namespace {

// Which input record a command writes after its begin text.
enum class InputLog { None, Raw, Parsed };

struct Named {
    const char* name;
    CommandKind kind;
    const char* beginText;
    InputLog inputLog;
};

const Named kCommands[] = {
    {"OpenShift", kindOf<CommandOpenShift>(203), "open shift begin", InputLog::None},
    {"CloseShift", kindOf<CommandCloseShift>(204), "close shift begin", InputLog::None},
    {"OpenDoc", kindOf<CommandOpenDoc>(205), "open document begin", InputLog::None},
    {"CloseDoc", kindOf<CommandCloseDoc>(209), "close document begin", InputLog::Parsed},
    {"AddItem", kindOf<CommandAddItem>(206), "add item begin", InputLog::Raw},
    {"SetAgent", kindOf<CommandSetAgent>(213), "set agent begin", InputLog::Parsed},
    {"SetClientInfo", kindOf<CommandSetClientInfo>(227), "set client info begin", InputLog::Parsed},
    {"SetIndProps", kindOf<CommandSetIndProps>(226), "set industry props begin", InputLog::Parsed},
    {"QueryMarking", kindOf<CommandQueryMarking>(228), "query marking begin", InputLog::None},
    {"AddText", kindOf<CommandAddText>(218), "add text begin", InputLog::Raw},
    {"AddFooter", kindOf<CommandAddFooter>(225), "add footer begin", InputLog::Raw},
    {"Print", kindOf<CommandPrint>(211), "print begin", InputLog::None},
    {"PrintDoc", kindOf<CommandPrintDoc>(220), "print document begin", InputLog::Parsed},
};

// Empty, not JSON, unterminated, an array, a string, a number, a boolean, an object with
// text after it (its members are not used either), and well-formed nesting deeper than any
// caller needs (treated as text that does not parse).
const std::string kLikeEmptyObject[] = {
    "", "abc", R"({"a":1)", "[1,2]", R"("text")", "5", "true", R"({"user_id": 1, "text_type": 1} x)",
    std::string(100, '[') + std::string(100, ']'),
};

void PrintTo(const Named& command, std::ostream* os) { *os << command.name; }

class ReceiptInput : public testing::TestWithParam<Named> {};

TEST_P(ReceiptInput, NullIsRefusedBeforeAnyField)
{
    const Outcome got = GetParam().kind.prepare("null", 1);
    EXPECT_EQ(got.result, -9);
    EXPECT_FALSE(got.framed);
    EXPECT_EQ(got.output, "");
}

TEST_P(ReceiptInput, TextThatIsNotAnObjectActsLikeAnEmptyObject)
{
    const Outcome empty = GetParam().kind.prepare("{}", 1);
    for (const std::string& input : kLikeEmptyObject) {
        SCOPED_TRACE(input);
        const Outcome got = GetParam().kind.prepare(QByteArray::fromStdString(input), 1);
        EXPECT_EQ(got.result, empty.result);
        EXPECT_EQ(got.payload, empty.payload);
        EXPECT_EQ(got.output, empty.output);
    }
}

TEST_P(ReceiptInput, LogsItsBeginTextAndTheInputItsTableNames)
{
    std::vector<std::string> expected{GetParam().beginText};
    if (GetParam().inputLog == InputLog::Raw)
        expected.push_back(R"({"x": 1})");
    if (GetParam().inputLog == InputLog::Parsed)
        expected.push_back(R"({"x":1})");
    LogCapture log;
    GetParam().kind.prepare(R"({"x": 1})", 1);
    // Framing may log on after these.
    std::vector<std::string> first = log.lines();
    first.resize(std::min(first.size(), expected.size()));
    EXPECT_EQ(first, expected);
}

INSTANTIATE_TEST_SUITE_P(Commands, ReceiptInput, testing::ValuesIn(kCommands),
                         [](const testing::TestParamInfo<Named>& info) { return std::string(info.param.name); });

}  // namespace
