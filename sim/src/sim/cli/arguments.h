#pragma once
// The command line of korvex3-sim.

#include <optional>
#include <string>
#include <vector>

#include "sim/faults/fault.h"
#include "sim/simulator.h"

namespace korvex::sim {

struct Arguments {
    Options options;
    std::vector<Fault> faults;
    bool help = false;
};

// The arguments after the program name; nothing with `error` set when they are not valid.
std::optional<Arguments> parseArguments(const std::vector<std::string>& words, std::string& error);

extern const char* const kUsage;

}  // namespace korvex::sim
