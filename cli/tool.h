#pragma once
// The whole tool behind main(): the command line in, the exit status out.

#include <istream>
#include <string>
#include <vector>

#include "report.h"

namespace korvex3_cli {

int runTool(const std::vector<std::string>& arguments, Console& console, std::istream& in);

}  // namespace korvex3_cli
