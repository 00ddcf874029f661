#pragma once
// Routes a request to its command's handler, after the checks every command shares: an
// intact frame, the register's own serial, a known command, emulation mode where the command
// needs it. Requests with a task id become tasks for the status query.

#include <cstdint>

#include "sim/handlers/context.h"
#include "sim/wire/frame_codec.h"

namespace korvex::sim {

// Command name for logs: "open_shift" for 203; "unknown" for a code the register lacks.
const char* commandName(std::uint16_t code);

struct Dispatched {
    Reply reply;
    bool stateChanged = false;  // the kept state (drive, shift, goods, setup) may differ now
};

Dispatched dispatch(Context& context, const Request& request);

}  // namespace korvex::sim
