#pragma once
// The command line: the options, a command and its arguments.

#include <optional>
#include <string>
#include <vector>

#include "korvex3/korvex3.h"

namespace korvex3_cli {

inline constexpr const char* kDefaultAddress = "127.0.0.1:8080";
inline constexpr korvex3_u16 kDefaultTimeoutMs = 10000;

struct Options {
    std::string address = kDefaultAddress;
    bool addressGiven = false;
    korvex3_u16 timeout = kDefaultTimeoutMs;
    bool compact = false;
    bool log = false;
    bool sim = false;
    bool help = false;              // --help: the tool's, or the command's when one is named
    std::string command;            // empty when none was given
    std::vector<std::string> rest;  // the arguments after the command
};

// The options, or the reason the command line is not one (already in words for people).
struct Parsed {
    std::optional<Options> options;
    std::string error;
};

Parsed parseArguments(const std::vector<std::string>& arguments);

}  // namespace korvex3_cli
