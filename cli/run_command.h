#pragma once
// Running one subcommand of the table: its arguments checked first, then the call and its report.

#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "call.h"
#include "connection.h"

namespace korvex3_cli {

struct Prepared {
    std::optional<Request> request;
    std::string error;  // why the arguments are not the command's, in words for people
};

// The request from the command's arguments (JSON | @FILE | - | TASK), read from `in` for "-".
Prepared prepareRequest(const Subcommand& command, const std::vector<std::string>& arguments, std::istream& in);

// Calls the command and prints its outcome; returns the exit status.
int runRequest(Console& console, const Connection& connection, const Subcommand& command,
               const Request& request, bool compact);

}  // namespace korvex3_cli
