#pragma once
// The tool run against a simulated register in the test process, which the tests can inspect
// and tell to misbehave.

#include <fstream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "sim/simulator.h"
#include "tool_process.h"

namespace cli_tests {

class CliTest : public ::testing::Test {
protected:
    CliTest() : simulator(quickRegister()) {}

    static korvex::sim::Options quickRegister()
    {
        korvex::sim::Options options;
        options.settings.taskDelay = std::chrono::milliseconds(0);
        return options;
    }

    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(simulator.start(&error)) << error;
    }

    // The tool with --address of the simulator and a reply time-out of `timeoutMs`.
    ToolRun tool(std::vector<std::string> arguments, const std::string& input = {},
                 const std::string& timeoutMs = "3000")
    {
        arguments.insert(arguments.begin(), {"--address", simulator.address(), "--timeout", timeoutMs});
        return runTool(arguments, input);
    }

    // A file under the test's temporary folder holding `text`; its path.
    static std::string writeFile(const std::string& name, const std::string& text)
    {
        const std::string path = ::testing::TempDir() + name;
        std::ofstream(path) << text;
        return path;
    }

    korvex::sim::Simulator simulator;
};

}  // namespace cli_tests
