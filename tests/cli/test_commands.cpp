// Single commands through the tool: what reaches standard output, standard error and the exit status.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cctype>

#include "cli_fixture.h"

namespace cli_tests {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;

// A loopback port on which nothing listens: bound once to learn a free one, then released.
std::uint16_t closedPort()
{
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    bind(probe, reinterpret_cast<sockaddr*>(&address), size);
    getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size);
    close(probe);
    return ntohs(address.sin_port);
}

struct Case {
    const char* what;
    std::vector<std::string> arguments;
    int status;
    const char* out;  // a piece of standard output ("" for none expected)
    const char* err;  // a piece of standard error
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.what; }

// "register refusal" -> "register_refusal", as gtest names test cases.
std::string testName(std::string words)
{
    for (char& ch : words)
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return words;
}

class OneCommand : public CliTest, public ::testing::WithParamInterface<Case> {};

TEST_P(OneCommand, PrintsTheResultAndItsWords)
{
    const Case& c = GetParam();
    const ToolRun run = tool(c.arguments, R"({"timeout": 60})");  // for the command that reads "-"
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_THAT(run.out, HasSubstr(c.out));
    EXPECT_THAT(run.err, HasSubstr(c.err));
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, OneCommand,
    ::testing::Values(
        Case{"success, indented", {"info"}, 0, "\n  \"data\": {\n", "0: success"},
        Case{"success, as returned", {"--compact", "info"}, 0, "{\"data\":{", "0: success"},
        Case{"register refusal", {"open-shift", R"({"user_id": 1})"}, 1, "\"response\": 10",
             "register refused: response 10, extended 0"},
        Case{"refusal keeps the task id", {"open-shift", R"({"user_id": 1})"}, 1, "", "task id: 1"},
        Case{"refused fields named", {"add-item", "{}"}, 18, "[",
             "-8: input fields refused: dept_id, tax_id, price, quant, intcode, name"},
        Case{"unknown task", {"query", "77"}, 1, "", "register refused: response 20"},
        Case{"JSON from standard input", {"keep-alive", "-"}, 0, "\"response\": 0", "0: success"}),
    [](const auto& info) { return testName(info.param.what); });

TEST_F(CliTest, ReceiptCommandsWorkOnceTheEmulationIsEntered)
{
    ASSERT_EQ(tool({"enter"}).status, 0);
    const ToolRun run = tool({"open-shift", R"({"user_id": 1, "user_name": "Ivanova"})"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_THAT(run.err, HasSubstr("task id: 1"));
    EXPECT_TRUE(simulator.withState([](auto& s) { return s.shift.open; }));
}

TEST(CliWithoutRegister, NoListenerIsResultMinusTwoWithTheAddress)
{
    const std::string address = "127.0.0.1:" + std::to_string(closedPort());
    const ToolRun run = runTool({"--address", address, "info"});
    EXPECT_EQ(run.status, 12);
    EXPECT_THAT(run.err, HasSubstr("-2: no TCP connection to " + address + " within 30000 ms"));
    EXPECT_THAT(run.out, IsEmpty());
}

// Nothing listens at the address: a usage error (2) rather than -2 (12) shows nothing was tried.
class BadInput : public ::testing::TestWithParam<Case> {};

TEST_P(BadInput, IsRefusedBeforeAnythingIsSent)
{
    const Case& c = GetParam();
    std::vector<std::string> arguments = {"--address", "127.0.0.1:" + std::to_string(closedPort())};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    const ToolRun run = runTool(arguments, "{\"timeout\": ");
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_THAT(run.err, HasSubstr(c.err));
    EXPECT_THAT(run.out, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Usage, BadInput,
    ::testing::Values(
        Case{"unterminated JSON", {"open-shift", R"({"user_id": 1)"}, 2, "", "bad JSON input in the argument"},
        Case{"not JSON", {"close-doc", "cash=100"}, 2, "", "bad JSON input in the argument: [json.exception"},
        Case{"bad JSON on standard input", {"keep-alive", "-"}, 2, "", "bad JSON input in standard input"},
        Case{"missing file", {"add-item", "@/nonexistent/item.json"}, 2, "", "cannot read /nonexistent/item.json"},
        Case{"task not a number", {"query", "seven"}, 2, "", "query needs the task id"},
        Case{"argument where none is taken", {"info", "{}"}, 2, "", "info takes no argument"},
        Case{"unknown command", {"open-drawer"}, 2, "", "no command open-drawer"},
        Case{"unknown option", {"--colour", "info"}, 2, "", "unknown option --colour"},
        Case{"timeout out of range", {"--timeout", "70000", "info"}, 2, "", "--timeout needs a number"},
        Case{"receipt file not a receipt", {"receipt", "/dev/null"}, 2, "", "bad JSON input in /dev/null"}),
    [](const auto& info) { return testName(info.param.what); });

TEST(CliHelp, EachCommandSaysWhatItCallsAndWhichKeysItTakes)
{
    const ToolRun asked = runTool({"help", "add-item"});
    const ToolRun flagged = runTool({"add-item", "--help"});
    EXPECT_EQ(asked.status, 0);
    EXPECT_THAT(asked.out, HasSubstr("calls korvex3_fremu_add_item"));
    EXPECT_THAT(asked.out, HasSubstr("intcode"));
    EXPECT_EQ(asked.out, flagged.out);
    EXPECT_THAT(runTool({"--help"}).out, HasSubstr("korvex3_fremu_registration"));
}

}  // namespace
}  // namespace cli_tests
