// `korvex3 demo`: the README's main command ends with the whole day done.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tool_process.h"

namespace cli_tests {
namespace {

using ::testing::HasSubstr;

TEST(CliDemo, RunsTheWholeDayAgainstItsOwnSimulator)
{
    const ToolRun run = runTool({"demo"});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_THAT(run.out, HasSubstr("$ korvex3 receipt receipt.json"));
    EXPECT_THAT(run.out, HasSubstr("register refused: response 14"));
    EXPECT_THAT(run.out, HasSubstr("The day is done"));
}

}  // namespace
}  // namespace cli_tests
