// The command line of korvex3-sim and the lines of --verbose.
#include <mutex>

#include "sim/cli/arguments.h"
#include "sim/sim_fixture.h"

namespace sim_testing {
namespace {

using korvex::sim::parseArguments;

TEST(ArgumentsTest, DefaultsListenOnLoopback8080)
{
    std::string error;
    const auto arguments = parseArguments({}, error);
    ASSERT_TRUE(arguments);
    EXPECT_EQ(arguments->options.host, "127.0.0.1");
    EXPECT_EQ(arguments->options.port, 8080);
    EXPECT_TRUE(arguments->options.stateFile.empty());
    EXPECT_FALSE(arguments->options.verbose);
}

TEST(ArgumentsTest, EveryOptionIsTaken)
{
    std::string error;
    const auto arguments = parseArguments({"--port", "0", "--state", "s.json", "--verbose", "--task-delay", "300",
                                           "--import-piece", "64", "--unregistered", "--fault", "bad-crc@2",
                                           "--fault", "delay:50"},
                                          error);
    ASSERT_TRUE(arguments) << error;
    EXPECT_EQ(arguments->options.port, 0);
    EXPECT_EQ(arguments->options.stateFile, "s.json");
    EXPECT_TRUE(arguments->options.verbose);
    EXPECT_EQ(arguments->options.settings.taskDelay.count(), 300);
    EXPECT_EQ(arguments->options.settings.importPieceSize, 64);
    EXPECT_FALSE(arguments->options.registered);
    ASSERT_EQ(arguments->faults.size(), 2u);
    EXPECT_EQ(arguments->faults[0].count, 2);
}

TEST(ArgumentsTest, BadArgumentsAreRefused)
{
    for (const std::vector<std::string>& words : std::vector<std::vector<std::string>>{
             {"--port"}, {"--port", "70000"}, {"--port", "80a"}, {"--task-delay", "-1"}, {"--fault", "boom"},
             {"--import-piece", "0"}, {"--frobnicate", "1"}}) {
        std::string error;
        EXPECT_FALSE(parseArguments(words, error)) << words[0];
        EXPECT_FALSE(error.empty()) << words[0];
    }
}

TEST(VerboseTest, OneLinePerRequestAndReplyWithItemNames)
{
    std::mutex lock;
    std::vector<std::string> lines;
    korvex::sim::Options options = quickOptions();
    options.verbose = true;
    options.log = [&](const std::string& line) {
        std::lock_guard<std::mutex> guard(lock);
        lines.push_back(line);
    };
    korvex::sim::Simulator simulator(options);
    ASSERT_TRUE(simulator.start());
    SimClient client(simulator.port());
    client.call(201);
    client.call(203, task(1) + item(50, "\xCA\xE0\xF1\xF1\xE8\xF0"));
    client.call(212, task(1));
    simulator.stop();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[2], "request #1 203 open_shift: serial=\"0123456789\" task_id=1 user_name=\"Кассир\"");
    EXPECT_EQ(lines[3], "reply   #1 203 open_shift: response=0 extended=0");
    EXPECT_NE(lines[5].find("reply   #1 212 query: response=0 extended=0 "), std::string::npos);
    EXPECT_NE(lines[5].find(" sales={check_count=0 check_total=0}"), std::string::npos);
}

}  // namespace
}  // namespace sim_testing
