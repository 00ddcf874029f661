#pragma once
// Following a task with the status query until the register has finished it, within bounds.

#include <chrono>

#include "call.h"
#include "report.h"
#include "verdict.h"

namespace korvex3_cli {

struct FollowLimits {
    int queries = 150;                                   // at most this many status queries
    int failuresInARow = 3;                              // library failures tolerated in a row
    std::chrono::milliseconds pause{200};                // between two queries
};

struct FollowResult {
    enum class End {
        Finished,     // response 0, extended 0: `verdict.data` describes the task's document
        Failed,       // the register answered something else: it did not do the task
        StillRunning, // still 3/103 when the queries ran out
        NoAnswer,     // the queries themselves failed; the task's fate is unknown
    };
    End end = End::NoAnswer;
    Verdict verdict;        // the register's last answer (Finished, Failed, StillRunning)
    int lastCode = 0;       // the last query's result code (NoAnswer)
};

// Asks about `task` until it is finished, failed, or the limits are reached; a progress line
// goes to `console.err` when the register is still working on it.
FollowResult followTask(Console& console, int handle, korvex3_u16 timeout, korvex3_u32 task,
                        const FollowLimits& limits = {});

}  // namespace korvex3_cli
