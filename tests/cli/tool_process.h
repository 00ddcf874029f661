#pragma once
// Runs the built korvex3 program as a child process and collects what it printed.

#include <string>
#include <vector>

namespace cli_tests {

struct ToolRun {
    int status = -1;  // the exit status; -1 when the program did not exit by itself
    std::string out;
    std::string err;
};

// `arguments` after the program name; `input` becomes its standard input. A program still
// running after two minutes is killed (status -1).
ToolRun runTool(const std::vector<std::string>& arguments, const std::string& input = {});

}  // namespace cli_tests
