#pragma once
// What a command handler works with: the register, the connection it was asked on, the
// simulator's settings and the faults; and what it leaves for the dispatcher.

#include <chrono>
#include <cstdint>
#include <optional>

#include <QByteArray>

#include "sim/faults/fault_plan.h"
#include "sim/model/register_state.h"
#include "sim/model/tasks.h"

namespace korvex::sim {

struct Settings {
    std::chrono::milliseconds taskDelay{20};  // how long a task reports "not finished"
    int importPieceSize = 256;                // bytes of the document per import reply
    int configPageSize = 256;
};

// Per connection: the transfers that take several request/reply cycles.
struct Session {
    QByteArray importDocument;
    int importOffset = 0;
    bool importActive = false;
    bool importEndless = false;
    bool configStarted = false;
    bool configEndless = false;
};

struct Context {
    RegisterState& state;
    Session& session;
    const Settings& settings;
    FaultPlan& faults;
    // Left by the handler for the task record of the request.
    std::optional<std::uint32_t> fdNumber;
    std::optional<MarkingResult> marking;
};

}  // namespace korvex::sim
