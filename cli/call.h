#pragma once
// One call of an exported device function, whatever its shape.

#include <optional>
#include <string>

#include "command_table.h"

namespace korvex3_cli {

// What goes into a call: the JSON text for functions that take one, the task for a query.
struct Request {
    std::string json;
    korvex3_u32 task = 0;
};

struct Outcome {
    int code = 0;
    std::optional<std::string> text;   // the result text, when one was handed out
    std::optional<korvex3_u32> taskId; // for functions that report one (0: the request did not go out)
};

Outcome call(const Subcommand& command, int handle, korvex3_u16 timeout, const Request& request);

}  // namespace korvex3_cli
